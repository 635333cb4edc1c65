// The generated glyph sheets (layout, faces, stable bytes) and how createTex
// turns good and broken sheets into textures.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gfx/gfx.h"
#include "tests/support/tst.h"

static const char* const SHEETS[] = {"iFC06.dat", "iFC12.dat", "iFD06.dat", "iFD12.dat"};

static SDL_Surface* sheet(const char* name)
{
    SDL_Surface* s = SDL_LoadBMP((std::string(RES_DIR) + name).c_str());
    EXPECT_NE(s, nullptr) << name;
    return s;
}

static Uint32 pixel(SDL_Surface* s, int x, int y)
{
    const Uint8* p = (const Uint8*)s->pixels + y * s->pitch + x * s->format->BytesPerPixel;
    Uint32 v = 0;
    for (int i = 0; i < s->format->BytesPerPixel; i++)
        v |= (Uint32)p[i] << (8 * i);
    return v;
}

// Lit pixels of cell c, and whether any of them lies at a column or row >= limit.
static int lit_in_cell(SDL_Surface* s, int c, int limitX, int limitY, bool* beyond)
{
    int n = s->w / 16, count = 0;
    for (int y = 0; y < n; y++)
        for (int x = 0; x < n; x++)
            if (pixel(s, (c & 15) * n + x, (c >> 4) * n + y)) {
                count++;
                if (x >= limitX || y >= limitY)
                    *beyond = true;
            }
    return count;
}

TEST(GlyphSheets, GridOfPrintableAsciiOnBlack)
{
    for (const char* name : SHEETS) {
        SDL_Surface* s = sheet(name);
        ASSERT_NE(s, nullptr);
        bool large = name[4] == '2';
        EXPECT_EQ(s->w, large ? 256 : 128) << name;
        EXPECT_EQ(s->h, s->w) << name;
        EXPECT_EQ(s->format->BitsPerPixel, 24) << name;
        // Small glyphs keep clear of the next one at the 6-pixel advance (the
        // highlight glow may reach column 6); large ones within 14 of 16.
        int limit = large ? 14 : 7;
        for (int c = 0; c < 256; c++) {
            bool beyond = false;
            int lit = lit_in_cell(s, c, limit, limit, &beyond);
            if (c > 32 && c < 127) {
                EXPECT_GT(lit, 0) << name << " char " << c;
                EXPECT_FALSE(beyond) << name << " char " << c;
            } else {
                EXPECT_EQ(lit, 0) << name << " cell " << c;
            }
        }
        SDL_FreeSurface(s);
    }
}

TEST(GlyphSheets, FacesDifferAndLargeIsASmoothedEnlargement)
{
    SDL_Surface* a = sheet("iFC06.dat");
    SDL_Surface* b = sheet("iFD06.dat");
    SDL_Surface* big = sheet("iFD12.dat");
    ASSERT_TRUE(a && b && big);
    int onlyA = 0, notDoubled = 0;
    for (int y = 0; y < 128; y++)
        for (int x = 0; x < 128; x++) {
            Uint32 pa = pixel(a, x, y), pb = pixel(b, x, y);
            onlyA += pa && !pb;
            if (pb) {
                EXPECT_NE(pa, 0u) << "highlight lacks a stroke pixel at " << x << "," << y;
                EXPECT_NE(pa, pb) << "same colour in both faces at " << x << "," << y;
            }
            for (int k = 0; k < 4; k++) {
                bool bigLit = pixel(big, 2 * x + k % 2, 2 * y + k / 2) != 0;
                if (pb) {
                    EXPECT_TRUE(bigLit) << x << "," << y;
                }
                notDoubled += bigLit != (pb != 0);
            }
        }
    EXPECT_GT(onlyA, 100);       // the glow
    EXPECT_GT(notDoubled, 100);  // diagonals filled in
    SDL_FreeSurface(a);
    SDL_FreeSurface(b);
    SDL_FreeSurface(big);
}

TEST(GlyphSheets, GeneratorWritesTheSameBytesEveryRun)
{
    std::string dirs[2];
    for (std::string& d : dirs) {
        char tmpl[] = "/tmp/tess_glyphsXXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        d = tmpl;
        ASSERT_EQ(system(("./gen_glyphs " + d).c_str()), 0);
    }
    for (const char* name : SHEETS) {
        std::string first = tst_slurp(dirs[0] + "/" + name);
        EXPECT_GT(first.size(), 49000u) << name;
        EXPECT_EQ(first, tst_slurp(dirs[1] + "/" + name)) << name;
        EXPECT_EQ(first, tst_slurp(std::string(RES_DIR) + name)) << name;
    }
    for (const std::string& d : dirs)
        system(("rm -r " + d).c_str());
}

class CreateTex : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { tst_open_window(); }
    std::string path = "/tmp/tess_sheet_" + std::to_string(getpid()) + ".bmp";
    void TearDown() override { unlink(path.c_str()); }

    void write(const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    void write_bmp(int w, int h)
    {
        SDL_Surface* s = SDL_CreateRGBSurface(0, w, h, 8, 0, 0, 0, 0);
        ASSERT_NE(s, nullptr);
        ASSERT_EQ(SDL_SaveBMP(s, path.c_str()), 0);
        SDL_FreeSurface(s);
    }
    // Loads path and returns the texture's width (0 if it is no texture).
    GLint load(GLuint* name, std::string* out, std::string* err)
    {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        createTex(0, path.c_str(), name);
        *out = testing::internal::GetCapturedStdout();
        *err = testing::internal::GetCapturedStderr();
        if (!glIsTexture(*name))
            return 0;
        glBindTexture(GL_TEXTURE_2D, *name);
        GLint w = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
        return w;
    }
    void expect_rejected(const char* what)
    {
        GLuint name = 0;
        std::string out, err;
        EXPECT_EQ(load(&name, &out, &err), 1) << what;
        EXPECT_EQ(out, "KAKUNIN 1\n") << what;
        EXPECT_NE(err.find(path), std::string::npos) << what << ": " << err;
        Uint8 texel[4] = {9, 9, 9, 9};
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texel);
        EXPECT_EQ(texel[3], 0) << what;
    }
};

TEST_F(CreateTex, GoodSheetBecomesKeyedRgbaTexture)
{
    GLuint name = 0;
    std::string out, err;
    path = RES_DIR "iFD06.dat";
    ASSERT_EQ(load(&name, &out, &err), 128);
    path = "/nonexistent";  // keep TearDown away from the bundle
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "");
    GLfloat f;
    for (GLenum p : {GL_TEXTURE_MAG_FILTER, GL_TEXTURE_MIN_FILTER}) {
        glGetTexParameterfv(GL_TEXTURE_2D, p, &f);
        EXPECT_EQ(f, GL_NEAREST);
    }
    for (GLenum p : {GL_TEXTURE_WRAP_S, GL_TEXTURE_WRAP_T}) {
        glGetTexParameterfv(GL_TEXTURE_2D, p, &f);
        EXPECT_EQ(f, GL_CLAMP);
    }
    std::vector<Uint8> px(128 * 128 * 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, px.data());
    SDL_Surface* s = sheet("iFD06.dat");
    ASSERT_NE(s, nullptr);
    for (int i = 0; i < 128 * 128; i++)
        ASSERT_EQ(px[4 * i + 3], pixel(s, i % 128, i / 128) ? 255 : 0) << i;
    SDL_FreeSurface(s);
}

TEST_F(CreateTex, OddSizedSheetsAreRejected)
{
    write_bmp(100, 64);
    expect_rejected("100x64");
    write_bmp(1, 1);
    expect_rejected("1x1");
    write_bmp(8192, 16);
    expect_rejected("8192 wide");
}

TEST_F(CreateTex, UnreadableSheetsLeaveAnEmptyTexture)
{
    unlink(path.c_str());
    expect_rejected("missing");
    write("");
    expect_rejected("empty file");
    write("this is no bitmap at all, just text");
    expect_rejected("not a BMP");
    std::string good = tst_slurp(RES_DIR "iFD06.dat");
    write(good.substr(0, good.size() / 2));
    expect_rejected("truncated");
}
