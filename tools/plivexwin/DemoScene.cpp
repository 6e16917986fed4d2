// The scene `plivexwin demo` writes and converts: four plot regions, each a
// scene view with a background, a border (but the last) and its own
// orthographic camera, holding plots with DEF-named axes and legends.
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
          position 0.5 0.5 1.6899495
          focalDistance 1.6899495
          height 1.4
        }
      }
      camera USE _0
    }
    scene Group {
      Material {
        diffuseColor 0.1 0.1 0.1
      }
      DEF linearX PoLinearAxis {
        step 0.2
      }
      DEF linearY PoLinearAxis {
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
      DEF curveLegend PoItemLegend {
        start 0.6 0.8
        end 0.95 0.95
        itemString "sine"
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
          position 1.5 0.5 1.6899495
          aspectRatio 2.4
          focalDistance 1.6899495
          viewportMapping LEAVE_ALONE
          height 1.4
        }
      }
      camera USE _1
    }
    scene Group {
      Material {
        diffuseColor 0.1 0.1 0.1
      }
      DEF decadesX PoLogAxis {
        end 3
      }
      DEF valuesY PoLinearAxis {
        type YX
        step 0.5
      }
      Material {
        diffuseColor 0.1 0.5 0.1
      }
      Coordinate3 {
        point [0 0 0, 1 0.3 0, 2 0.7 0, 3 0.9 0]
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
          position 0 0 3.1384776
          focalDistance 3.1384776
          height 2.6
        }
      }
      camera USE _2
    }
    scene Group {
      Material {
        diffuseColor 0.1 0.1 0.1
      }
      DEF radius PoPolarLinAxis {
        endRadius 1
        step 0.25
      }
      DEF angles PoAngularAxis {
        endAngle 6.2831855
        radius 1
        angleStep 0.7853982
      }
      DEF valueLegend PoLinearValueLegend {
        start -1.2 -1.2
        end -0.7 -0.7
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
          position 0.5 0.5 1.6899495
          focalDistance 1.6899495
          height 1.4
        }
      }
      camera USE _3
    }
    scene Group {
      Material {
        diffuseColor 0.1 0.1 0.1
      }
      DEF days PoTimeAxis {
        startDate "1-01-70"
        endDate "8-01-70"
      }
      DEF events PoGenAxis {
        type YX
        gradList ["start", "middle", "end"]
      }
    }
    isBackgroundVisible TRUE
    isBorderVisible FALSE
  }
}
)scene";
}

}  // namespace plivexwin::cli
