// The lines framing every screen: pulsing title and version at the top; the
// rule, footer, frame rate and culling flag at the bottom.
#include "app/app.h"
#include "gfx/gfx.h"
#include "screen/screen.h"

void scn_tops()
{
    fontB(1, alB, 10 - WIW, 6 - WIH, "Tessaloom");
    fontA(1, ALP.titleAlpha, 10 - WIW, 6 - WIH, "Tessaloom");
    fontB(0, alB, 178 - WIW, 6 - WIH,
          "VERSION %s__________________________________________________________________________________________",
          TESS_VERSION);
    if (cm.cullFace == 1)
        fontA(0, 1, WIW - 64, WIH - 24, "CULL_FACE");
    fontB(0, alB, 10 - WIW, WIH - 18,
          "__________________________________________________________________________________________________"
          "________________________________");
    fontB(0, alB, 10 - WIW, WIH - 12, "Tessaloom VERSION %s (C) the Tessaloom authors", TESS_VERSION);
    fontB(0, alB, WIW - 64, WIH - 12, "FPS:%2d/%d", tm.fps, 1000 / FRAME_MS);
}
