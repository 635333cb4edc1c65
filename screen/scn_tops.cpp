// The lines framing every screen: pulsing title and version at the top; the
// rule, footer, frame rate and culling flag at the bottom.
#include "app/app.h"
#include "gfx/gfx.h"
#include "screen/screen.h"

void scn_tops()
{
    fontB(1, alB, LAY_LEFT, LAY_TOP_ROW, "Tessaloom");
    fontA(1, ALP.titleAlpha, LAY_LEFT, LAY_TOP_ROW, "Tessaloom");
    fontB(0, alB, LAY_VERSION_X, LAY_TOP_ROW,
          "VERSION %s__________________________________________________________________________________________",
          TESS_VERSION);
    if (cm.cullFace == 1)
        fontA(0, 1, LAY_FPS_X, LAY_CULL_Y, "CULL_FACE");
    fontB(0, alB, LAY_LEFT, LAY_RULE_Y,
          "__________________________________________________________________________________________________"
          "________________________________");
    fontB(0, alB, LAY_LEFT, LAY_FOOTER_Y, "Tessaloom VERSION %s (C) the Tessaloom authors", TESS_VERSION);
    fontB(0, alB, LAY_FPS_X, LAY_FOOTER_Y, "FPS:%2d/%d", tm.fps, 1000 / FRAME_MS);
}
