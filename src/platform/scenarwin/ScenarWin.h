// SPDX-License-Identifier: Apache-2.0
#pragma once

// Everything of the ScenarWin and ScenarGui stand-in in one include.

#include "platform/scenarwin/PoXtDialog.h"
#include "platform/scenarwin/PoXtElementData.h"
#include "platform/scenarwin/SoGuiComponent.h"
#include "platform/scenarwin/SoGuiViewer.h"
#include "platform/scenarwin/SoSceneManager.h"
#include "platform/scenarwin/SoWinComponent.h"
#include "platform/scenarwin/SoWinRenderArea.h"
#include "platform/scenarwin/SoWinViewer.h"
#include "platform/scenarwin/Win32.h"
#include "platform/scenarwin/menuColumn.h"
