// SPDX-License-Identifier: Apache-2.0
#pragma once

// Everything of the Plivex stand-in in one include. Call PoBase::initClasses()
// once before making nodes.

#include "platform/plivex/PbDateFormatMapping.h"
#include "platform/plivex/PbMiscTextAttr.h"
#include "platform/plivex/PbNumericDisplayFormat.h"
#include "platform/plivex/PoAngularAxis.h"
#include "platform/plivex/PoAutoValueLegend.h"
#include "platform/plivex/PoAxis.h"
#include "platform/plivex/PoAxisEnums.h"
#include "platform/plivex/PoBase.h"
#include "platform/plivex/PoCartesianAxis.h"
#include "platform/plivex/PoConvertGuts.h"
#include "platform/plivex/PoConvertGutsVRML2.h"
#include "platform/plivex/PoGenAxis.h"
#include "platform/plivex/PoItemLegend.h"
#include "platform/plivex/PoLegend.h"
#include "platform/plivex/PoLegendEnums.h"
#include "platform/plivex/PoLinearAxis.h"
#include "platform/plivex/PoLinearValueLegend.h"
#include "platform/plivex/PoLogAxis.h"
#include "platform/plivex/PoNonLinearValueLegend1.h"
#include "platform/plivex/PoNonLinearValueLegend2.h"
#include "platform/plivex/PoNonLinearValueLegend3.h"
#include "platform/plivex/PoPolarAxis.h"
#include "platform/plivex/PoPolarLinAxis.h"
#include "platform/plivex/PoPolarLogAxis.h"
#include "platform/plivex/PoTimeAxis.h"
#include "platform/plivex/PoValueLegend.h"
