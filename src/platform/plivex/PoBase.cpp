// SPDX-License-Identifier: Apache-2.0
#include "platform/plivex/PoBase.h"

#include "platform/plivex/PoAngularAxis.h"
#include "platform/plivex/PoAutoValueLegend.h"
#include "platform/plivex/PoAxis.h"
#include "platform/plivex/PoCartesianAxis.h"
#include "platform/plivex/PoGenAxis.h"
#include "platform/plivex/PoItemLegend.h"
#include "platform/plivex/PoLegend.h"
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
#include "platform/scenar/SoDB.h"
#include "platform/scenar/actions/SoAction.h"
#include "platform/scenar/vrml/SoConvertGuts.h"

SO_NODE_SOURCE(PoBase)

bool PoBase::m_isRebuildBlocked = false;

void PoBase::initClass() {
  SO_NODE_INIT_ABSTRACT_CLASS(PoBase, "PoBase");
  // A conversion to VRML converts what the node's geometry draws.
  SoConvertGuts::setClassConverter(classTypeId, SoConvertGuts::convertToGroup);
}

void PoBase::initClasses() {
  SoDB::init();
  PoBase::initClass();
  PoAxis::initClass();
  PoCartesianAxis::initClass();
  PoLinearAxis::initClass();
  PoLogAxis::initClass();
  PoGenAxis::initClass();
  PoTimeAxis::initClass();
  PoPolarAxis::initClass();
  PoPolarLinAxis::initClass();
  PoPolarLogAxis::initClass();
  PoAngularAxis::initClass();
  PoLegend::initClass();
  PoItemLegend::initClass();
  PoValueLegend::initClass();
  PoAutoValueLegend::initClass();
  PoLinearValueLegend::initClass();
  PoNonLinearValueLegend1::initClass();
  PoNonLinearValueLegend2::initClass();
  PoNonLinearValueLegend3::initClass();
}

PoBase::PoBase() { SO_NODE_CONSTRUCTOR(PoBase); }

PoBase::~PoBase() = default;

void PoBase::doAction(SoAction* action) {
  if (geometryStale_ && !m_isRebuildBlocked) {
    geometry_.reset(buildGeometry());
    geometryChildren_.assign(geometry_ ? 1 : 0, geometry_.get());
    geometryStale_ = false;
  }
  action->traverseChildren(geometryChildren_);
}

void PoBase::search(SoSearchAction*) {}

void PoBase::notify(SoField* field) {
  geometryStale_ = true;
  SoNode::notify(field);
}
