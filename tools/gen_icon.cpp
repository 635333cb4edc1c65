// Icon generator: writes the application icon, a scalable SVG of a coloured
// vector polygon with its vertex markers over the editor's blue grid, into
// the directory given on the command line. Pure text, so every build writes
// the same bytes.
#include <cstdio>
#include <string>

namespace {

const int SIDE = 64;  // the icon's user units; grid lines every 8
const int CELL = 8;
// The polygon, clockwise on screen like a visible model face.
const int SHAPE[][2] = {{32, 8}, {54, 24}, {46, 52}, {18, 52}, {10, 24}};
const int CORNERS = sizeof SHAPE / sizeof SHAPE[0];

void put_grid(FILE* f)
{
    fputs("  <g stroke=\"#0066ff\" stroke-opacity=\"0.35\" stroke-width=\"0.75\">\n", f);
    for (int p = CELL; p < SIDE; p += CELL)
        fprintf(f, "    <line x1=\"%d\" y1=\"4\" x2=\"%d\" y2=\"60\"/>\n    <line x1=\"4\" y1=\"%d\" x2=\"60\" y2=\"%d\"/>\n",
                p, p, p, p);
    fputs("  </g>\n", f);
}

void put_shape(FILE* f)
{
    fputs("  <polygon fill=\"url(#face)\" fill-opacity=\"0.85\" stroke=\"#00ffff\" stroke-width=\"1.5\" points=\"", f);
    for (int i = 0; i < CORNERS; i++)
        fprintf(f, "%s%d,%d", i ? " " : "", SHAPE[i][0], SHAPE[i][1]);
    fputs("\"/>\n", f);
    fputs("  <g fill=\"none\" stroke=\"#00ffff\" stroke-opacity=\"0.8\" stroke-width=\"1.25\">\n", f);
    for (int i = 0; i < CORNERS; i++)
        fprintf(f, "    <circle cx=\"%d\" cy=\"%d\" r=\"3\"/>\n", SHAPE[i][0], SHAPE[i][1]);
    fputs("  </g>\n", f);
}

bool write_icon(const std::string& path)
{
    FILE* f = fopen(path.c_str(), "w");
    if (!f)
        return false;
    fprintf(f, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\">\n",
            SIDE, SIDE, SIDE, SIDE);
    fputs("  <title>Tessaloom</title>\n"
          "  <defs>\n"
          "    <linearGradient id=\"face\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\">\n"
          "      <stop offset=\"0\" stop-color=\"#ff3366\"/>\n"
          "      <stop offset=\"0.5\" stop-color=\"#ffcc00\"/>\n"
          "      <stop offset=\"1\" stop-color=\"#33cc66\"/>\n"
          "    </linearGradient>\n"
          "  </defs>\n"
          "  <rect x=\"2\" y=\"2\" width=\"60\" height=\"60\" rx=\"8\" fill=\"#000080\"/>\n",
          f);
    put_grid(f);
    put_shape(f);
    fputs("</svg>\n", f);
    const bool ok = !ferror(f);
    return fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: gen_icon OUTPUT_DIR\n");
        return 2;
    }
    const std::string path = std::string(argv[1]) + "/tessaloom.svg";
    if (!write_icon(path)) {
        fprintf(stderr, "gen_icon: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
