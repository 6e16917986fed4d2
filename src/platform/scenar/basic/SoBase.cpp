// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/basic/SoBase.h"

#include <cassert>

SoType SoBase::classTypeId_;
long SoBase::liveCount_ = 0;

SoBase::SoBase() { ++liveCount_; }

SoBase::SoBase(const SoBase&) : SoBase() {}

SoBase::~SoBase() {
  assert(refCount_ == 0 && "SoBase::~SoBase(): deleting an object that still has references");
  --liveCount_;
}

void SoBase::ref() const { ++refCount_; }

void SoBase::unref() const {
  assert(refCount_ > 0 && "SoBase::unref(): no reference left to release");
  if (refCount_ <= 0) return;
  if (--refCount_ == 0) delete this;
}

void SoBase::unrefNoDelete() const {
  assert(refCount_ > 0 && "SoBase::unrefNoDelete(): no reference left to release");
  if (refCount_ > 0) --refCount_;
}

void SoBase::initClass() {
  if (classTypeId_.isBad()) classTypeId_ = SoType::createType(SoType::badType(), "Base");
}
