#pragma once

// Everything of the Scenar stand-in in one include.

#include "platform/scenar/SbBasic.h"
#include "platform/scenar/SbLinear.h"
#include "platform/scenar/SbName.h"
#include "platform/scenar/SbString.h"
#include "platform/scenar/SbStringList.h"
#include "platform/scenar/SbThreadMutex.h"
#include "platform/scenar/SoBase.h"
#include "platform/scenar/SoCallbackList.h"
#include "platform/scenar/SoDB.h"
#include "platform/scenar/SoField.h"
#include "platform/scenar/SoFieldContainer.h"
#include "platform/scenar/SoFieldData.h"
#include "platform/scenar/SoMFields.h"
#include "platform/scenar/SoModule.h"
#include "platform/scenar/SoNode.h"
#include "platform/scenar/SoNodeSensor.h"
#include "platform/scenar/SoSFields.h"
#include "platform/scenar/SoSensor.h"
#include "platform/scenar/SoSubNode.h"
#include "platform/scenar/SoType.h"
