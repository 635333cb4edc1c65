// Glyph-sheet generator: draws the editor's own pixel font and writes the four
// sheets (two faces, two sizes) as BMP into the directory given on the command line.
//
// The small design is 5 columns by 5 rows for capitals and digits (lower case
// adds descenders below), because text rows in the panel and on the progress
// screen are only 6 pixels apart and the advance is 6 pixels: one blank column
// and row keep neighbours apart. The large sheet enlarges that design twice,
// filling the steps of diagonal strokes instead of doubling blocks. Output depends on nothing but
// this file, so every build writes the same bytes.
#include <SDL.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "resources/res_files.h"

namespace {

struct Glyph {
    char ch;
    const char* rows;  // rows top to bottom, '|' between rows, '#' lit
};

const Glyph glyphs[] = {
    {'!', "..#..|..#..|..#..|.....|..#.."},
    {'"', ".#.#.|.#.#."},
    {'#', ".#.#.|#####|.#.#.|#####|.#.#."},
    {'$', ".####|#.#..|.###.|..#.#|####."},
    {'%', "##..#|##.#.|..#..|.#.##|#..##"},
    {'&', ".##..|#..#.|.##.#|#..#.|.##.#"},
    {'\'', "..#..|..#.."},
    {'(', "...#.|..#..|..#..|..#..|...#."},
    {')', ".#...|..#..|..#..|..#..|.#..."},
    {'*', "..#..|#.#.#|.###.|#.#.#|..#.."},
    {'+', ".....|..#..|.###.|..#.."},
    {',', ".....|.....|.....|..#..|..#..|.#..."},
    {'-', ".....|.....|.###."},
    {'.', ".....|.....|.....|.....|..#.."},
    {'/', "....#|...#.|..#..|.#...|#...."},
    {'0', ".###.|#..##|#.#.#|##..#|.###."},
    {'1', "..#..|.##..|..#..|..#..|.###."},
    {'2', "####.|....#|.###.|#....|#####"},
    {'3', "####.|....#|.###.|....#|####."},
    {'4', "#..#.|#..#.|#####|...#.|...#."},
    {'5', "#####|#....|####.|....#|####."},
    {'6', ".###.|#....|####.|#...#|.###."},
    {'7', "#####|....#|...#.|..#..|..#.."},
    {'8', ".###.|#...#|.###.|#...#|.###."},
    {'9', ".###.|#...#|.####|....#|.###."},
    {':', ".....|..#..|.....|..#.."},
    {';', ".....|..#..|.....|..#..|..#..|.#..."},
    {'<', "...#.|..#..|.#...|..#..|...#."},
    {'=', ".....|#####|.....|#####"},
    {'>', ".#...|..#..|...#.|..#..|.#..."},
    {'?', ".###.|#...#|..##.|.....|..#.."},
    {'@', ".###.|#.###|#.#.#|#.###|.###."},
    {'A', ".###.|#...#|#####|#...#|#...#"},
    {'B', "####.|#...#|####.|#...#|####."},
    {'C', ".####|#....|#....|#....|.####"},
    {'D', "####.|#...#|#...#|#...#|####."},
    {'E', "#####|#....|####.|#....|#####"},
    {'F', "#####|#....|####.|#....|#...."},
    {'G', ".####|#....|#..##|#...#|.####"},
    {'H', "#...#|#...#|#####|#...#|#...#"},
    {'I', ".###.|..#..|..#..|..#..|.###."},
    {'J', "..###|...#.|...#.|#..#.|.##.."},
    {'K', "#...#|#..#.|###..|#..#.|#...#"},
    {'L', "#....|#....|#....|#....|#####"},
    {'M', "#...#|##.##|#.#.#|#...#|#...#"},
    {'N', "#...#|##..#|#.#.#|#..##|#...#"},
    {'O', ".###.|#...#|#...#|#...#|.###."},
    {'P', "####.|#...#|####.|#....|#...."},
    {'Q', ".###.|#...#|#.#.#|#..#.|.##.#"},
    {'R', "####.|#...#|####.|#..#.|#...#"},
    {'S', ".####|#....|.###.|....#|####."},
    {'T', "#####|..#..|..#..|..#..|..#.."},
    {'U', "#...#|#...#|#...#|#...#|.###."},
    {'V', "#...#|#...#|#...#|.#.#.|..#.."},
    {'W', "#...#|#...#|#.#.#|##.##|#...#"},
    {'X', "#...#|.#.#.|..#..|.#.#.|#...#"},
    {'Y', "#...#|.#.#.|..#..|..#..|..#.."},
    {'Z', "#####|...#.|..#..|.#...|#####"},
    {'[', ".###.|.#...|.#...|.#...|.###."},
    {'\\', "#....|.#...|..#..|...#.|....#"},
    {']', ".###.|...#.|...#.|...#.|.###."},
    {'^', "..#..|.#.#.|#...#"},
    {'_', ".....|.....|.....|.....|.....|######"},
    {'`', ".#...|..#.."},
    {'a', ".....|.###.|#..#.|#..#.|.####"},
    {'b', "#....|###..|#..#.|#..#.|###.."},
    {'c', ".....|.###.|#....|#....|.###."},
    {'d', "...#.|.###.|#..#.|#..#.|.###."},
    {'e', ".....|.##..|####.|#....|.###."},
    {'f', "..##.|.#...|###..|.#...|.#..."},
    {'g', ".....|.###.|#..#.|#..#.|.###.|...#.|.##.."},
    {'h', "#....|###..|#..#.|#..#.|#..#."},
    {'i', "..#..|.....|.##..|..#..|.###."},
    {'j', "...#.|.....|..##.|...#.|...#.|#..#.|.##.."},
    {'k', "#....|#..#.|###..|#.#..|#..#."},
    {'l', ".##..|..#..|..#..|..#..|.###."},
    {'m', ".....|##.#.|#.#.#|#.#.#|#.#.#"},
    {'n', ".....|###..|#..#.|#..#.|#..#."},
    {'o', ".....|.##..|#..#.|#..#.|.##.."},
    {'p', ".....|###..|#..#.|#..#.|###..|#....|#...."},
    {'q', ".....|.###.|#..#.|#..#.|.###.|...#.|...##"},
    {'r', ".....|#.##.|##...|#....|#...."},
    {'s', ".....|.###.|##...|..##.|###.."},
    {'t', ".#...|###..|.#...|.#...|..##."},
    {'u', ".....|#..#.|#..#.|#..#.|.###."},
    {'v', ".....|#...#|#...#|.#.#.|..#.."},
    {'w', ".....|#...#|#.#.#|#.#.#|.#.#."},
    {'x', ".....|#..#.|.##..|.##..|#..#."},
    {'y', ".....|#..#.|#..#.|#..#.|.###.|...#.|.##.."},
    {'z', ".....|####.|..#..|.#...|####."},
    {'{', "..##.|..#..|.#...|..#..|..##."},
    {'|', "..#..|..#..|..#..|..#..|..#..|..#.."},
    {'}', ".##..|..#..|...#.|..#..|.##.."},
    {'~', ".....|.##.#|#.##."},
};

enum { CELL = 8, BIG = 16 };
typedef unsigned char Cell[CELL][CELL];  // 1 lit, 0 background
typedef unsigned char BigCell[BIG][BIG];

void glyph_cell(const char* rows, Cell out)
{
    memset(out, 0, sizeof(Cell));
    int x = 0, y = 0;
    for (const char* p = rows; *p && y < CELL; ++p) {
        if (*p == '|') {
            ++y;
            x = 0;
            continue;
        }
        if (*p == '#' && x < CELL)
            out[y][x] = 1;
        ++x;
    }
}

unsigned char at(const Cell c, int x, int y)
{
    return (x < 0 || y < 0 || x >= CELL || y >= CELL) ? 0 : c[y][x];
}

// Each pixel becomes a 2 x 2 block; a blank pixel in the crook of a diagonal
// step (two lit edge neighbours, blank corner between them) gets the block
// quarter facing that crook lit, so diagonals come out smooth while square
// corners and straight strokes keep their shape.
void enlarge(const Cell in, BigCell out)
{
    for (int y = 0; y < CELL; ++y)
        for (int x = 0; x < CELL; ++x) {
            unsigned char p = in[y][x];
            unsigned char a = at(in, x, y - 1), b = at(in, x + 1, y);
            unsigned char c = at(in, x - 1, y), d = at(in, x, y + 1);
            out[2 * y][2 * x] = p || (a && c && !at(in, x - 1, y - 1));
            out[2 * y][2 * x + 1] = p || (a && b && !at(in, x + 1, y - 1));
            out[2 * y + 1][2 * x] = p || (d && c && !at(in, x - 1, y + 1));
            out[2 * y + 1][2 * x + 1] = p || (d && b && !at(in, x + 1, y + 1));
        }
}

struct Face {
    Uint32 body, glow1, glow2;  // 0xRRGGBB; glow pixels lie right of the strokes, 1 and 2 columns out
};

void put(SDL_Surface* s, int x, int y, Uint32 rgb)
{
    Uint8* p = (Uint8*)s->pixels + y * s->pitch + x * 3;
    p[0] = (rgb >> 16) & 0xff;
    p[1] = (rgb >> 8) & 0xff;
    p[2] = rgb & 0xff;
}

// Paints one glyph (lit[] of side n) into its cell, glow first so strokes win.
void paint(SDL_Surface* s, int ch, const unsigned char* lit, int n, const Face& f, int glowReach)
{
    int ox = (ch & 15) * n, oy = (ch >> 4) * n;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            if (lit[y * n + x]) {
                put(s, ox + x, oy + y, f.body);
                continue;
            }
            for (int r = 1; r <= glowReach; ++r)
                if (x - r >= 0 && lit[y * n + x - r]) {
                    put(s, ox + x, oy + y, r == 1 ? f.glow1 : f.glow2);
                    break;
                }
        }
}

bool write_sheet(const std::string& dir, const char* name, int big, const Face& f, int glowReach)
{
    int n = big ? BIG : CELL;
    // Bytes R, G, B in memory; a 24-bit surface is what SDL_SaveBMP writes anyway.
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 16 * n, 16 * n, 24, 0x0000ff, 0x00ff00, 0xff0000, 0);
    if (!s) {
        fprintf(stderr, "gen_glyphs: %s\n", SDL_GetError());
        return false;
    }
    memset(s->pixels, 0, (size_t)s->pitch * s->h);
    for (const Glyph& g : glyphs) {
        Cell small;
        glyph_cell(g.rows, small);
        if (big) {
            BigCell large;
            enlarge(small, large);
            paint(s, (unsigned char)g.ch, &large[0][0], BIG, f, glowReach);
        } else {
            paint(s, (unsigned char)g.ch, &small[0][0], CELL, f, glowReach);
        }
    }
    std::string path = dir + "/" + name;
    bool ok = SDL_SaveBMP(s, path.c_str()) == 0;
    if (!ok)
        fprintf(stderr, "gen_glyphs: cannot write %s: %s\n", path.c_str(), SDL_GetError());
    SDL_FreeSurface(s);
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: gen_glyphs <resource-dir>\n");
        return 2;
    }
    const Face normal = {0xb4c8f0, 0, 0};               // soft blue-white, no glow
    const Face highlight = {0xffffff, 0x40e0ff, 0x1870a0};  // white core, cyan glow
    bool ok = write_sheet(argv[1], RES_FONTS[1][0], 0, normal, 0) && write_sheet(argv[1], RES_FONTS[1][1], 1, normal, 0) &&
              write_sheet(argv[1], RES_FONTS[0][0], 0, highlight, 1) &&
              write_sheet(argv[1], RES_FONTS[0][1], 1, highlight, 2);
    return ok ? 0 : 1;
}
