// Text runs for the display tests: glyphs drawn one after another on one row,
// in one size and alpha, as one fontA/fontB call lays them out.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "tests/support/tst.h"

struct TxtRun {
    double x, y, size, alpha;
    std::string text;
};

inline std::vector<TxtRun> txt_runs(const std::vector<TstPrim>& prims)
{
    std::vector<TxtRun> out;
    for (TstGlyph g : tst_glyphs(prims)) {
        g.size = std::round(g.size);  // feedback is single precision
        if (!out.empty()) {
            TxtRun& r = out.back();
            const double next = r.x + r.size * 0.75 * r.text.size();
            if (std::fabs(r.y - g.y) < 0.01 && std::fabs(next - g.x) < 0.01 && r.size == g.size &&
                std::fabs(r.alpha - g.alpha) < 1e-3) {
                r.text += (char)g.ch;
                continue;
            }
        }
        out.push_back({g.x, g.y, g.size, g.alpha, std::string(1, (char)g.ch)});
    }
    return out;
}

// How many runs read text at (x, y) with the alpha (any alpha when a < 0).
inline int txt_count(const std::vector<TxtRun>& runs, const std::string& text, double x, double y,
                     double a = -1)
{
    int n = 0;
    for (const TxtRun& r : runs)
        n += r.text == text && std::fabs(r.x - x) < 0.01 && std::fabs(r.y - y) < 0.01 &&
             (a < 0 || std::fabs(r.alpha - a) < 1e-3);
    return n;
}

// Runs with the alpha, anywhere.
inline int txt_count_alpha(const std::vector<TxtRun>& runs, double a)
{
    int n = 0;
    for (const TxtRun& r : runs)
        n += std::fabs(r.alpha - a) < 1e-3;
    return n;
}
