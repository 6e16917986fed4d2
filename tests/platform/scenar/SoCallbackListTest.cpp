// SPDX-License-Identifier: Apache-2.0
#include "platform/scenar/sensors/SoCallbackList.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// Callbacks log their name; an optional hook runs inside the callback.
struct Recorder {
  std::string log;
  std::function<void(char)> hook;
  void* lastData = nullptr;
};

template <char Name>
void callback(void* userData, void* callbackData) {
  auto* recorder = static_cast<Recorder*>(userData);
  recorder->log += Name;
  recorder->lastData = callbackData;
  if (recorder->hook) recorder->hook(Name);
}

}  // namespace

TEST(SoCallbackListTest, callsInOrderOfAdditionWithData) {
  SoCallbackList list;
  Recorder recorder;
  list.addCallback(callback<'a'>, &recorder);
  list.addCallback(callback<'b'>, &recorder);
  list.addCallback(callback<'a'>, &recorder);  // a second entry of the same pair
  list.addCallback(nullptr, &recorder);        // ignored
  EXPECT_EQ(list.getNumCallbacks(), 3);
  int data = 0;
  list.invokeCallbacks(&data);
  EXPECT_EQ(recorder.log, "aba");
  EXPECT_EQ(recorder.lastData, &data);
}

TEST(SoCallbackListTest, removeTakesFirstMatchingEntry) {
  SoCallbackList list;
  Recorder one, two;
  list.addCallback(callback<'a'>, &one);
  list.addCallback(callback<'b'>, &one);
  list.addCallback(callback<'a'>, &two);
  list.addCallback(callback<'a'>, &one);
  list.removeCallback(callback<'a'>, &one);
  list.removeCallback(callback<'c'>, &one);  // not there: nothing happens
  EXPECT_EQ(list.getNumCallbacks(), 3);
  list.invokeCallbacks(nullptr);
  EXPECT_EQ(one.log, "ba");
  EXPECT_EQ(two.log, "a");
  list.clearCallbacks();
  list.invokeCallbacks(nullptr);
  EXPECT_EQ(one.log, "ba");
}

TEST(SoCallbackListTest, entryRemovedByEarlierCallbackIsSkipped) {
  SoCallbackList list;
  Recorder recorder;
  recorder.hook = [&](char name) {
    if (name == 'a') list.removeCallback(callback<'c'>, &recorder);
  };
  list.addCallback(callback<'a'>, &recorder);
  list.addCallback(callback<'b'>, &recorder);
  list.addCallback(callback<'c'>, &recorder);
  list.invokeCallbacks(nullptr);
  EXPECT_EQ(recorder.log, "ab");
}

TEST(SoCallbackListTest, removingOneOfTwoEqualEntriesSkipsOneCall) {
  SoCallbackList list;
  Recorder recorder;
  recorder.hook = [&](char name) {
    if (name == 'a') list.removeCallback(callback<'b'>, &recorder);
  };
  list.addCallback(callback<'a'>, &recorder);
  list.addCallback(callback<'b'>, &recorder);
  list.addCallback(callback<'b'>, &recorder);
  list.invokeCallbacks(nullptr);
  EXPECT_EQ(recorder.log, "ab");
}

TEST(SoCallbackListTest, entryAddedDuringInvokeWaitsForNextTime) {
  SoCallbackList list;
  Recorder recorder;
  recorder.hook = [&](char name) {
    if (name == 'a' && recorder.log.size() == 1) list.addCallback(callback<'z'>, &recorder);
  };
  list.addCallback(callback<'a'>, &recorder);
  list.addCallback(callback<'b'>, &recorder);
  list.invokeCallbacks(nullptr);
  EXPECT_EQ(recorder.log, "ab");
  list.invokeCallbacks(nullptr);
  EXPECT_EQ(recorder.log, "ababz");
}

TEST(SoCallbackListTest, entryRemovedAndAddedAgainDuringInvokeWaits) {
  SoCallbackList list;
  Recorder recorder;
  bool first = true;
  recorder.hook = [&](char name) {
    if (name != 'a' || !first) return;
    first = false;
    list.removeCallback(callback<'b'>, &recorder);
    list.addCallback(callback<'b'>, &recorder);
  };
  list.addCallback(callback<'a'>, &recorder);
  list.addCallback(callback<'b'>, &recorder);
  list.addCallback(callback<'c'>, &recorder);
  list.invokeCallbacks(nullptr);
  EXPECT_EQ(recorder.log, "ac");
  list.invokeCallbacks(nullptr);
  EXPECT_EQ(recorder.log, "acacb");
}

TEST(SoCallbackListTest, callbackMayRemoveItselfAndClearTheList) {
  SoCallbackList list;
  Recorder recorder;
  recorder.hook = [&](char name) {
    if (name == 'a') list.removeCallback(callback<'a'>, &recorder);
    if (name == 'b') list.clearCallbacks();
  };
  list.addCallback(callback<'a'>, &recorder);
  list.addCallback(callback<'b'>, &recorder);
  list.addCallback(callback<'c'>, &recorder);
  list.invokeCallbacks(nullptr);
  EXPECT_EQ(recorder.log, "ab");
  EXPECT_EQ(list.getNumCallbacks(), 0);
}
