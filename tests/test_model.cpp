// The model file: an export opened again gives the same model and, exported,
// the same bytes, for the golden export and for generated models of every
// kind; anything else is refused with its line and what was expected there.
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

static std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
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

// Layer 4's part of the golden export renamed as layer n's.
static std::string as_layer(std::string four, char n)
{
    for (const char* name : {"LAYER : ", "cl", "vt"})
        for (size_t at = four.find(std::string(name) + '4'); at != std::string::npos; at = four.find(std::string(name) + '4', at))
            four[at + strlen(name)] = n;
    return four;
}

TEST(Model, AnythingButAnExportIsRefusedWithItsLine)
{
    const std::string golden = tst_slurp(TST_DIR "export_model.txt");
    const std::string four = golden.substr(golden.find("LAYER : 4"));
    const std::string vertex = "a vertex, \"\\t\\tglVertex2f(x.f, y.f);\" in whole numbers, or \"\\t\\tglEnd();\"";
    const std::string own = "a vertex and its colour, \"\\t\\tglColor4f(r, g, b, a);\\t\\tglVertex2f(x.f, y.f);\" in hundredths and whole numbers, or \"\\t\\tglEnd();\"";
    const std::string order = "expected a layer from 5 to 6: layers come in order, each at most once";
    const std::pair<std::string, std::string> bad[] = {
        {golden.substr(0, golden.size() - 3), "55: expected \"\" (the file ends here)"},
        {golden.substr(0, golden.find("\t\tglEnd")), "11: expected " + vertex + " (the file ends here)"},
        {replaced(golden, "\t\t5.f,5.f,", "\t\t5.f,6.f,"), "24: expected \"\\t\\t5.f,5.f,\""},
        {replaced(golden, "0,3);", "0,4);"), "29: expected \"\\tglDrawArrays(GL_TRIANGLES,0,3);\""},
        {replaced(golden, "1.00f,0.50f", "1.00f,0.55f"), "44: expected \"\\t\\t1.00f,0.50f,0.00f,1.00f,\""},
        {replaced(golden, "0.30f);", "1.05f);"), "7: expected colours from 0.00 to 1.00"},
        {replaced(golden, "0.67f, 1.00f, 0.00f", "0.67f, 1.00f, -0.10f"), "37: expected colours from 0.00 to 1.00"},
        {replaced(golden, "(5.f, 5.f)", "(5.5f, 5.f)"), "9: expected " + vertex},
        {replaced(golden, "(0.f, -5.f)", "(-0.f, -5.f)"), "8: expected " + vertex},
        {replaced(golden, "(5.f, 5.f)", "(05.f, 5.f)"), "9: expected " + vertex},
        {replaced(golden, "(5.f, 5.f)", "(5.f, 5000000.f)"), "9: expected " + vertex},
        {replaced(golden, "(5.f, 5.f)", "(5.f, -501.f)"), "9: expected positions from -500 to 500"},
        {replaced(golden, "(12.f, -9.f)", "(501.f, -9.f)"), "37: expected positions from -500 to 500"},
        {replaced(golden, "0.30f);", "0,30f);"), "7: expected " + own},
        {replaced(golden, "glEnd();\n\n", "glEnd();\n \n"), "12: expected \"\""},
        {replaced(golden, "GL_TRIANGLES);", "GL_TRIANGLE);"), "6: expected \"\\tglBegin(GL_...);\" with one of the ten primitives, GL_POINTS to GL_POLYGON"},
        {replaced(golden, "glBegin ~", "glBegin -"), "4: expected \"\\tDROW TYPE : ***glBegin ~ glEnd***\""},
        {golden + as_layer(four, '7'), "57: " + order},
        {four + as_layer(four, '3'), "26: " + order},
        {four + four, "26: " + order},
        {as_layer(four, '6') + as_layer(four, '6'), "26: expected the end of the file after layer 6"},
        {golden + "\n", "57: expected \"LAYER : n ____...\" or the end of the file"},
        {replaced(golden, "X = 24", "X = 25"), "1: expected sizes from 4 to 800, even numbers"},
        {replaced(golden, "Y = 18", "Y = 802"), "1: expected sizes from 4 to 800, even numbers"},
        {replaced(golden, "Y = 18", "Y = 2"), "1: expected sizes from 4 to 800, even numbers"},
        {replaced(golden, "LAYER : 1", "LAYER : 2"), "3: expected \"LAYER : 1 ________________________________________\""},
        {as_layer(four, '1'), "1: expected \"SIZE X = n, Y = n\" before layer 1"},
        {replaced(golden, "\t\tglVertex2f(0.f, -5.f);\n\t\tglVertex2f(5.f, 5.f);\n\t\tglVertex2f(-5.f, 5.f);\n", ""), "8: expected a vertex: a layer in the file holds at least one"},
        {replaced(golden, "glColor4f(1.00f, 0.50f, 0.00f, 1.00f);\t\t", ""), "36: expected " + own},
        {replaced(golden, "0.30f);", "0.3f);"), "7: expected " + own},
        {std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "1: expected a model file: \"SIZE X = n, Y = n\" or \"LAYER : n ____...\""},
        {"Dear diary,\ntoday I drew a ship.\n", "1: expected a model file: \"SIZE X = n, Y = n\" or \"LAYER : n ____...\""},
    };
    for (auto& [text, fault] : bad)
        EXPECT_EQ(fault_of(text), fault);
    // 257 vertices: the layer is full at 256.
    for (int i = 0; i < ED_MAXVERT; i++)
        tst_put(5, i % 24, i / 24);
    const std::string full = text_of_model();
    EXPECT_EQ(fault_of(replaced(full, "\t\tglEnd", "\t\tglVertex2f(1.f, 1.f);\n\t\tglEnd")), "262: expected \"\\t\\tglEnd();\": a layer holds at most 256 vertices");
}

TEST(Model, FingerprintFollowsTheTextAlone)
{
    // From the golden export opened: whether each change leaves the text as it was.
    const std::pair<void (*)(), bool> edits[] = {
        {[] { ed[0].view = VIEW_WIRE; }, true},        {[] { ed[1].vx[0] = 7; }, true},
        {[] { ed[0].a += 0.004; }, true},              {[] { ed[0].a += 0.05; }, false},
        {[] { ed[3].vb[1] = 0.5; }, false},            {[] { ed[0].vx[2] = -4; }, false},
        {[] { ed[0].vy[0] = 4; }, false},              {[] { ed[0].drawType = 5; }, false},
        {[] { cm.sizeX = 14; }, false},                {[] { cm.sizeY = 14; }, false},
        {[] { ed[3].count = 1; }, false},              {[] { ed[0].colorSel = COLOR_PER_VERTEX; }, false},
        {[] { ed[3].view = VIEW_OFF; }, false},        {[] { ed[3].vx[1] = 1; }, false},
    };
    const std::string golden = tst_slurp(TST_DIR "export_model.txt");
    for (size_t k = 0; k < std::size(edits); k++) {
        reopened(golden);
        EXPECT_EQ(exp_fingerprint(), expSaved);
        edits[k].first();
        EXPECT_EQ(exp_fingerprint() == expSaved, edits[k].second) << "change " << k;
    }
}
