// The model file: an export opened again gives the same model and, exported,
// the same bytes, for the golden export and for generated models of every
// kind; anything else is refused with its line and what was expected there.
#include <fstream>
#include <random>

#include "tests/support/tst.h"

static std::string text_of_model()
{
    char* text = nullptr;
    size_t size = 0;
    EXPECT_TRUE(exp_format(&text, &size));
    const std::string out(text ? text : "", size);
    free(text);
    return out;
}

// "line: what was expected", or "" when text is a model.
static std::string fault_of(const std::string& text)
{
    ExpFault fault;
    if (exp_parse(text.data(), text.size(), &fault))
        return "";
    return std::to_string(fault.line) + ": " + fault.what;
}

// Opens text on a fresh start's model and exports it again.
static std::string reopened(const std::string& text)
{
    init_common();
    init_editer();
    EXPECT_EQ(fault_of(text), "");
    init_model();
    return text_of_model();
}

TEST(Model, GoldenExportOpensIntoTheSameModelAndBytes)
{
    const std::string golden = tst_slurp(TST_DIR "export_model.txt");
    EXPECT_EQ(reopened(golden), golden);
    // Layer 1 comes back in fill view with its type, colour, vertices and the size; layer 4 with
    // its own colours; the layers not in the file as a fresh start leaves them.
    EXPECT_EQ(std::make_tuple(ed[0].view, ed[0].drawType, ed[0].colorSel, ed[0].count, ed[0].vy[0], cm.sizeX, cm.sizeY), std::make_tuple((int)VIEW_FILL, 4, (int)COLOR_LAYER, 3, -5.0, 12, 9));
    EXPECT_EQ(std::make_tuple(ed[3].colorSel, ed[3].vg[1], ed[3].va[1], ed[3].modeLabel), std::make_tuple((int)COLOR_PER_VERTEX, 0.67, 0.0, edModeLabels[2]));
    EXPECT_EQ(std::make_tuple(ed[1].count, ed[1].view, ed[2].drawType, ed[5].a), std::make_tuple(0, (int)VIEW_FILL, 6, 0.3));
    // CRLF line ends are read as the export's own; an empty file is an empty model.
    std::string crlf;
    for (char c : golden)
        crlf += c == '\n' ? "\r\n" : std::string(1, c);
    EXPECT_EQ(reopened(crlf), golden);
    EXPECT_EQ(reopened(""), "");
    EXPECT_EQ(cm.sizeX, 12) << "the size stays the default without layer 1";
}

// A colour as the editor leaves it: its start value moved in steps of 0.05 and held in 0 to 1.
static double stepped(std::mt19937& rng, double v)
{
    for (int n = rng() % 40; n > 0; n--)
        v = std::clamp(v + (rng() % 2 ? 0.05 : -0.05), 0.0, 1.0);
    return v;
}

TEST(Model, EveryModelTheEditorMakesComesBackByteForByte)
{
    std::mt19937 rng(32);
    auto pick = [&](int lo, int hi) { return lo + (int)(rng() % (hi - lo + 1)); };
    for (int m = 0; m < 1000; m++) {
        init_common();
        init_editer();
        cm.sizeX = pick(1, ED_SIZE_MAX / 2) * 2;
        cm.sizeY = pick(1, ED_SIZE_MAX / 2) * 2;
        for (EdLayer& l : ed) {
            l.view = pick(VIEW_OFF, VIEW_FILL);
            l.drawType = pick(0, ED_TYPES - 1);
            l.colorSel = pick(COLOR_LAYER_EDIT, 3);
            l.count = pick(0, 7) ? pick(0, 24) : ED_MAXVERT;
            for (double* c : {&l.r, &l.g, &l.b, &l.a})
                *c = stepped(rng, *c);
            for (int j = 0; j < l.count; j++) {
                std::tie(l.vr[j], l.vg[j], l.vb[j], l.va[j]) = std::tuple(stepped(rng, 0), stepped(rng, 1), stepped(rng, 1), stepped(rng, 0.3));
                std::tie(l.vx[j], l.vy[j]) = std::tuple(pick(-500, 500), pick(-500, 500));
            }
        }
        const std::string text = text_of_model();
        ASSERT_EQ(reopened(text), text) << "model " << m;
    }
}

// The files of tests/bad_models, each refused at the line faults.txt names,
// with what was expected there.
TEST(Model, AnythingButAnExportIsRefusedWithItsLine)
{
    std::ifstream faults(TST_DIR "bad_models/faults.txt");
    int files = 0;
    for (std::string line; std::getline(faults, line); files++) {
        const std::string name = line.substr(0, line.find(':'));
        EXPECT_EQ(name + ":" + fault_of(tst_slurp(TST_DIR "bad_models/" + name)), line);
    }
    EXPECT_GE(files, 30);
}

TEST(Model, FingerprintFollowsTheTextAlone)
{
    // From the golden export opened: whether each change leaves the text as it was.
    const std::pair<void (*)(), bool> edits[] = {
        {[] { ed[0].view = VIEW_WIRE; }, true}, {[] { ed[1].vx[0] = 7; }, true}, {[] { ed[0].a += 0.004; }, true},
        {[] { ed[0].a += 0.05; }, false},       {[] { ed[3].vb[1] = 0.5; }, false}, {[] { ed[0].vy[0] = 4; }, false},
        {[] { cm.sizeY = 14; }, false},         {[] { ed[3].count = 1; }, false},    {[] { ed[3].view = VIEW_OFF; }, false},
    };
    const std::string golden = tst_slurp(TST_DIR "export_model.txt");
    for (size_t k = 0; k < std::size(edits); k++) {
        reopened(golden);
        edits[k].first();
        EXPECT_EQ(exp_fingerprint() == expSaved, edits[k].second) << "change " << k;
    }
}
