// SPDX-License-Identifier: Apache-2.0
// The scene `plivexwin demo` writes and converts: four plot regions, each a
// scene view with a background, a border (but the last) and its own
// orthographic camera, holding a titled plot with DEF-named axes and legends.
// Texts are sized for the 800x800 picture: graduation numbers are over ten
// pixels tall there.
//
// Each camera sits at its focal distance from the plot's plane, where it sees
// the height a 45-degree field of view sees (a VRML browser's own): a
// converted view then shows its plot as large as it was in its rectangle.

#include "plivexwin/DemoScene.h"

namespace plivexwin::cli {

std::string_view demoScene() {
  // In the writer's layout: `plivexwin scene` writes it back as it is.
  return R"scene(#Scenar V1.0 ascii

Separator {
  DEF linearPlot PoSceneView {
    viewportOrigin 0.02 0.52
    viewportSize 0.46 0.46
    backgroundApp AppearanceKit {
      lightModel LightModel {
        model BASE_COLOR
      }
      material Material {
        diffuseColor 0.96 0.96 0.92
      }
    }
    cameraKit CameraKit {
      transformGroup Group {
        DEF _0 OrthographicCamera {
          position 0.42 0.45 1.9313709
          focalDistance 1.9313709
          height 1.6
        }
      }
      camera USE _0
    }
    scene Group {
      LightModel {
        model BASE_COLOR
      }
      Material {
        diffuseColor 0.1 0.1 0.1
      }
      Separator {
        Translation {
          translation 0.5 1.1 0
        }
        Font {
          size 0.08
        }
        Text3 {
          string "A sine wave"
          justification CENTER
        }
      }
      DEF linearX PoLinearAxis {
        gradFontSize 0.065
        titleFontSize 0.065
        titleString "time (s)"
        step 0.2
      }
      DEF linearY PoLinearAxis {
        gradFontSize 0.065
        titleFontSize 0.065
        titleString "amplitude"
        type YX
        step 0.25
      }
      Material {
        diffuseColor 0.8 0.1 0.1
      }
      Coordinate3 {
        point [0 0.5 0, 0.125 0.85 0, 0.25 1 0, 0.375 0.85 0, 0.5 0.5 0, 0.625 0.15 0, 0.75 0 0, 0.875 0.15 0, 1 0.5 0]
      }
      LineSet {
        numVertices 9
      }
      Material {
        diffuseColor 0.1 0.1 0.1
      }
      DEF curveLegend PoItemLegend {
        titleVisibility OFF
        start 0.62 0.86
        end 1.02 0.98
        itemString "sine"
        boxVisibility FALSE
        lineVisibility TRUE
        lineColor 0.8 0.1 0.1
      }
    }
    borderApp AppearanceKit {
      material Material {
        diffuseColor 0.2 0.2 0.2
      }
    }
    isBackgroundVisible TRUE
    isBorderVisible TRUE
  }
  DEF logPlot PoSceneView {
    viewportOrigin 0.52 0.52
    viewportSize 0.46 0.46
    backgroundApp AppearanceKit {
      lightModel LightModel {
        model BASE_COLOR
      }
      material Material {
        diffuseColor 0.92 0.96 1
      }
    }
    cameraKit CameraKit {
      transformGroup Group {
        DEF _1 OrthographicCamera {
          position 1.15 1.35 5.3112698
          focalDistance 5.3112698
          height 4.4
        }
      }
      camera USE _1
    }
    scene Group {
      LightModel {
        model BASE_COLOR
      }
      Material {
        diffuseColor 0.1 0.1 0.1
      }
      Separator {
        Translation {
          translation 1.5 3.3 0
        }
        Font {
          size 0.22
        }
        Text3 {
          string "Growth over three decades"
          justification CENTER
        }
      }
      DEF decadesX PoLogAxis {
        gradFontSize 0.18
        titleFontSize 0.18
        titleString "dose"
        end 3
      }
      DEF valuesY PoLinearAxis {
        gradFontSize 0.18
        titleFontSize 0.18
        titleString "response"
        tickFirstGrad 2
        end 3
        type YX
        step 0.5
      }
      Material {
        diffuseColor 0.1 0.5 0.1
      }
      Coordinate3 {
        point [0 0 0, 1 0.9 0, 2 2.1 0, 3 2.7 0]
      }
      LineSet {
        numVertices 4
      }
    }
    borderApp AppearanceKit {
      material Material {
        diffuseColor 0 0 0.5
      }
    }
    isBackgroundVisible TRUE
    isBorderVisible TRUE
  }
  DEF polarPlot PoSceneView {
    viewportOrigin 0.02 0.02
    viewportSize 0.46 0.46
    backgroundApp AppearanceKit {
      lightModel LightModel {
        model BASE_COLOR
      }
      material Material {
        diffuseColor 1 0.97 0.9
      }
    }
    cameraKit CameraKit {
      transformGroup Group {
        DEF _2 OrthographicCamera {
          position 0.4 0 4.104163
          focalDistance 4.104163
          height 3.4
        }
      }
      camera USE _2
    }
    scene Group {
      LightModel {
        model BASE_COLOR
      }
      Material {
        diffuseColor 0.1 0.1 0.1
      }
      Separator {
        Translation {
          translation 0.4 1.45 0
        }
        Font {
          size 0.17
        }
        Text3 {
          string "Field strength by bearing"
          justification CENTER
        }
      }
      DEF radius PoPolarLinAxis {
        gradFontSize 0.13
        endRadius 1
        theta 0.3926991
        step 0.5
      }
      DEF angles PoAngularAxis {
        gradFontSize 0.13
        endAngle 6.2831855
        radius 1
        angleStep 0.7853982
      }
      DEF valueLegend PoLinearValueLegend {
        titleFontSize 0.13
        titleString "level"
        start 1.25 -1.45
        end 2.05 1.2
      }
    }
    borderApp AppearanceKit {
      material Material {
        diffuseColor 0.5 0.25 0
      }
    }
    isBackgroundVisible TRUE
    isBorderVisible TRUE
  }
  DEF timePlot PoSceneView {
    viewportOrigin 0.52 0.02
    viewportSize 0.46 0.46
    backgroundApp AppearanceKit {
      lightModel LightModel {
        model BASE_COLOR
      }
      material Material {
        diffuseColor 0.95 0.95 0.95
      }
    }
    cameraKit CameraKit {
      transformGroup Group {
        DEF _3 OrthographicCamera {
          position 0.42 0.45 1.9313709
          focalDistance 1.9313709
          height 1.6
        }
      }
      camera USE _3
    }
    scene Group {
      LightModel {
        model BASE_COLOR
      }
      Material {
        diffuseColor 0.1 0.1 0.1
      }
      Separator {
        Transform {
          translation 0.5 1.1 0
        }
        Font {
          name "DejaVu Serif"
          size 0.08
        }
        Text3 {
          string "A week of events"
          justification CENTER
        }
      }
      DEF days PoTimeAxis {
        gradFontSize 0.065
        titleFontSize 0.065
        titleString "date"
        startDate "1-01-70"
        endDate "8-01-70"
      }
      DEF events PoGenAxis {
        gradFontSize 0.065
        type YX
        gradList ["start", "middle", "end"]
      }
      Material {
        diffuseColor 0.1 0.2 0.7
      }
      Coordinate3 {
        point [0 0 0, 0.14 0.2 0, 0.29 0.35 0, 0.43 0.5 0, 0.57 0.55 0, 0.71 0.7 0, 0.86 0.9 0, 1 1 0]
      }
      LineSet {
        numVertices 8
      }
    }
    isBackgroundVisible TRUE
    isBorderVisible FALSE
  }
}
)scene";
}

}  // namespace plivexwin::cli
