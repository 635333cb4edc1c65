// The generated sound bank: format, lengths, levels, seamless music loops,
// the rising confirm figure and byte-for-byte reproducible output.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

#include "tests/support/tst.h"

namespace {

struct Wav {
    int rate = 0, channels = 0, bits = 0;
    std::vector<int> left;  // first channel only
    double seconds() const { return rate ? (double)left.size() / rate : 0; }
};

unsigned le(const std::string& s, size_t at, int bytes)
{
    unsigned v = 0;
    for (int i = bytes - 1; i >= 0; i--)
        v = v << 8 | (unsigned char)s[at + i];
    return v;
}

Wav read_wav(const std::string& name)
{
    Wav w;
    std::string s = tst_slurp(RES_DIR + name);
    if (s.size() < 12 || s.compare(0, 4, "RIFF") || s.compare(8, 4, "WAVE"))
        return w;
    for (size_t at = 12; at + 8 <= s.size();) {
        std::string id = s.substr(at, 4);
        size_t len = le(s, at + 4, 4), body = at + 8;
        if (id == "fmt ") {
            w.channels = (int)le(s, body + 2, 2);
            w.rate = (int)le(s, body + 4, 4);
            w.bits = (int)le(s, body + 14, 2);
        } else if (id == "data" && w.bits == 16 && w.channels > 0) {
            for (size_t i = body; i + 2 <= body + len && i + 2 <= s.size(); i += 2 * w.channels)
                w.left.push_back((int16_t)le(s, i, 2));
        }
        at = body + len + (len & 1);
    }
    return w;
}

int peak(const Wav& w)
{
    int p = 0;
    for (int v : w.left)
        p = std::max(p, std::abs(v));
    return p;
}

// Pitch from upward zero crossings over the loud part of the sound.
double pitch(const Wav& w)
{
    int top = peak(w), first = -1, last = -1, count = 0;
    for (size_t i = 1; i < w.left.size(); i++) {
        if (w.left[i - 1] < 0 && w.left[i] >= 0 && std::abs(w.left[i]) < top) {
            bool loud = false;
            for (size_t k = i; k < w.left.size() && k < i + 20; k++)
                loud |= std::abs(w.left[k]) > top / 4;
            if (!loud)
                continue;
            if (first < 0)
                first = (int)i;
            last = (int)i;
            count++;
        }
    }
    return count > 1 ? (count - 1) * (double)w.rate / (last - first) : 0;
}

const char* const music[] = {"BGM0.dat", "BGM1.dat", "BGM2.dat"};
const char* const effects[] = {"seC00.dat",   "seC01_0.dat", "seC01_1.dat", "seC01_2.dat", "seC01_3.dat",
                               "seC01_4.dat", "seC01_5.dat", "seC02.dat",   "seD00.dat"};

}  // namespace

TEST(SoundFiles, AllAre16BitWavAt22050HzBelowClipping)
{
    std::vector<std::string> all(std::begin(music), std::end(music));
    all.insert(all.end(), std::begin(effects), std::end(effects));
    for (const std::string& name : all) {
        Wav w = read_wav(name);
        SCOPED_TRACE(name);
        EXPECT_EQ(w.rate, 22050);
        EXPECT_EQ(w.bits, 16);
        ASSERT_FALSE(w.left.empty());
        EXPECT_LE(peak(w), 0.8 * 32767);
        EXPECT_GT(peak(w), 0.1 * 32767);  // audible, not silence
    }
}

TEST(SoundFiles, MusicLoopsLast20To40sDifferAndJoinWithoutAClick)
{
    double lengths[3];
    for (int i = 0; i < 3; i++) {
        Wav w = read_wav(music[i]);
        SCOPED_TRACE(music[i]);
        ASSERT_GT(w.left.size(), 1000u);
        lengths[i] = w.seconds();
        EXPECT_GE(lengths[i], 20.0);
        EXPECT_LE(lengths[i], 40.0);
        // The step across the seam is no larger than the steps inside the loop.
        int maxStep = 0;
        for (size_t k = 1; k < w.left.size(); k++)
            maxStep = std::max(maxStep, std::abs(w.left[k] - w.left[k - 1]));
        int seam = std::abs(w.left.front() - w.left.back());
        EXPECT_LE(seam, maxStep);
        EXPECT_LE(seam, 0.02 * 32767);
    }
    EXPECT_NE(lengths[0], lengths[1]);
    EXPECT_NE(lengths[1], lengths[2]);
}

TEST(SoundFiles, EffectsAreShortAndFadeToSilence)
{
    for (const char* name : effects) {
        Wav w = read_wav(name);
        SCOPED_TRACE(name);
        ASSERT_FALSE(w.left.empty());
        EXPECT_LT(w.seconds(), std::string(name) == "seC00.dat" ? 0.060 : 0.150);
        EXPECT_LE(std::abs(w.left.front()), 0.01 * 32767);
        EXPECT_LE(std::abs(w.left.back()), 0.01 * 32767);
    }
}

TEST(SoundFiles, ConfirmBlipsRiseInTheOrderTheRotorPlaysThem)
{
    const char* order[] = {"seC01_1.dat", "seC01_2.dat", "seC01_3.dat", "seC01_4.dat", "seC01_0.dat"};
    double prev = 0;
    for (const char* name : order) {
        double hz = pitch(read_wav(name));
        SCOPED_TRACE(name);
        EXPECT_GT(hz, prev * 1.05);  // at least close to a semitone apart
        EXPECT_LT(hz, 4000);
        prev = hz;
    }
    EXPECT_LT(pitch(read_wav("seC02.dat")), pitch(read_wav("seC01_1.dat")));
}

TEST(SoundFiles, GeneratorWritesTheSameBytesEveryRun)
{
    char dir[] = "/tmp/tess_gen_XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    ASSERT_EQ(std::system((std::string("./gen_sounds ") + dir).c_str()), 0);
    std::vector<std::string> all(std::begin(music), std::end(music));
    all.insert(all.end(), std::begin(effects), std::end(effects));
    for (const std::string& name : all) {
        std::string fresh = tst_slurp(std::string(dir) + "/" + name);
        EXPECT_FALSE(fresh.empty()) << name;
        EXPECT_TRUE(fresh == tst_slurp(RES_DIR + name)) << name;
        std::remove((std::string(dir) + "/" + name).c_str());
    }
    rmdir(dir);
}
