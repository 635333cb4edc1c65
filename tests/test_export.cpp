// Export text, layer selection and numbering, the start-up path, and failed
// exports that must be reported and keep the model and the previous file.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>

#include "export/export.h"
#include "tests/support/tst.h"

namespace {

const std::string rule = "\t---------------------------------\n";

void put_vertex(int layer, double x, double y)
{
    EdLayer& l = ed[layer];
    l.vx[l.count] = x;
    l.vy[l.count] = y;
    l.count++;
}

struct Export : testing::Test {
    std::string dir, file;
    void SetUp() override
    {
        tst_reset_records();
        char tmpl[] = "/tmp/tess_export_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir = tmpl;
        file = dir + "/model_data.txt";
        snprintf(dataPassM, sizeof dataPassM, "%s", file.c_str());
    }
    void TearDown() override
    {
        remove(file.c_str());
        rmdir(dir.c_str());
        strcpy(dataPassM, "/Users/");
    }
    std::string run()
    {
        testing::internal::CaptureStdout();
        edit_data(0);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
        return tst_slurp(file);
    }
};

// The worked example: one triangle layer in the default colour.
void example_model()
{
    ed[0].drawType = 4;
    put_vertex(0, 0, -5);
    put_vertex(0, 5, 5);
    put_vertex(0, -5, 5);
}

TEST_F(Export, WorkedExampleByteForByte)
{
    example_model();
    const std::string expect =
        "SIZE X = 24, Y = 24\n"
        "\n"
        "LAYER : 1 ________________________________________\n"
        "\tDROW TYPE : ***glBegin ~ glEnd***\n"
        "\t---------------------------------\n"
        "\tglBegin(GL_TRIANGLES);\n"
        "\t\tglColor4f(0.00f, 1.00f, 1.00f, 0.30f);\n"
        "\t\tglVertex2f(0.f, -5.f);\n"
        "\t\tglVertex2f(5.f, 5.f);\n"
        "\t\tglVertex2f(-5.f, 5.f);\n"
        "\t\tglEnd();\n"
        "\n"
        "\tDROW TYPE : ***Arrays***\n"
        "\t---------------------------------\n"
        "\tfloat cl1[]=//color\n"
        "\t\t{\n"
        "\t\t0.00f,1.00f,1.00f,0.30f,\n"
        "\t\t0.00f,1.00f,1.00f,0.30f,\n"
        "\t\t0.00f,1.00f,1.00f,0.30f,\n"
        "\t\t};\n"
        "\tfloat vt1[]=//vertex\n"
        "\t\t{\n"
        "\t\t0.f,-5.f,\n"
        "\t\t5.f,5.f,\n"
        "\t\t-5.f,5.f,\n"
        "\t\t};\n"
        "\tglColorPointer(4,GL_FLOAT,0,cl1);\n"
        "\tglVertexPointer(2,GL_FLOAT,0,vt1);\n"
        "\tglDrawArrays(GL_TRIANGLES,0,3);\n"
        "\n"
        "\n";
    EXPECT_EQ(run(), expect);
}

TEST_F(Export, PerVertexColourSharesTheVertexLine)
{
    example_model();
    ed[0].colorSel = 1;
    ed[0].vr[0] = 1, ed[0].vg[0] = 0.5, ed[0].vb[0] = 0, ed[0].va[0] = 1;
    ed[0].vr[2] = 0.25, ed[0].vg[2] = 0.75, ed[0].vb[2] = 0.05, ed[0].va[2] = 0.95;
    ed[0].r = 0.9;  // the layer colour must not appear anywhere
    const std::string text = run();
    EXPECT_EQ(text.find("0.90f"), std::string::npos);
    EXPECT_NE(text.find("\tglBegin(GL_TRIANGLES);\n"
                        "\t\tglColor4f(1.00f, 0.50f, 0.00f, 1.00f);\t\tglVertex2f(0.f, -5.f);\n"
                        "\t\tglColor4f(0.00f, 1.00f, 1.00f, 0.30f);\t\tglVertex2f(5.f, 5.f);\n"
                        "\t\tglColor4f(0.25f, 0.75f, 0.05f, 0.95f);\t\tglVertex2f(-5.f, 5.f);\n"
                        "\t\tglEnd();\n"),
              std::string::npos);
    EXPECT_NE(text.find("\t\t{\n"
                        "\t\t1.00f,0.50f,0.00f,1.00f,\n"
                        "\t\t0.00f,1.00f,1.00f,0.30f,\n"
                        "\t\t0.25f,0.75f,0.05f,0.95f,\n"
                        "\t\t};\n"),
              std::string::npos);
}

TEST_F(Export, WhichLayersAreWrittenAndTheirNumbers)
{
    put_vertex(0, 1, 1);
    ed[0].view = 0;  // off: not written, whatever it holds
    put_vertex(1, 2, 3);
    ed[1].view = 1;  // wire is written like fill
    ed[1].colorSel = -2;
    ed[1].r = 0.5;
    put_vertex(4, -7, 8);
    put_vertex(4, 9, -10);
    const std::string text = run();
    // No SIZE line without layer 1: the file starts at the first written layer.
    EXPECT_EQ(text.rfind("LAYER : 2 ", 0), 0u);
    EXPECT_EQ(text.find("SIZE"), std::string::npos);
    EXPECT_EQ(text.find("LAYER : 1"), std::string::npos);
    EXPECT_NE(text.find("\tglBegin(GL_TRIANGLE_FAN);\n\t\tglColor4f(0.50f, 1.00f, 1.00f, 0.30f);\n"
                        "\t\tglVertex2f(2.f, 3.f);\n"),
              std::string::npos);
    size_t at = 0;
    for (const char* part : {"cl2[]", "vt2[]", "cl2);", "vt2);", "LAYER : 5 ", "cl5[]", "vt5[]",
                             "\t\t-7.f,8.f,\n\t\t9.f,-10.f,\n", "cl5);", "vt5);",
                             "(GL_TRIANGLE_FAN,0,2);\n\n\n"}) {
        at = text.find(part, at);
        ASSERT_NE(at, std::string::npos) << part;
    }
    for (const char* absent : {"LAYER : 3", "LAYER : 4", "LAYER : 6", "cl1", "cl3", "cl4", "cl6"})
        EXPECT_EQ(text.find(absent), std::string::npos) << absent;
}

TEST_F(Export, SizeLineOnlyForLayerOne)
{
    cm.sizeX = 3;
    cm.sizeY = 400;
    put_vertex(0, 0, 0);
    put_vertex(2, 0, 0);
    const std::string text = run();
    EXPECT_EQ(text.rfind("SIZE X = 6, Y = 800\n\nLAYER : 1 ", 0), 0u);
    EXPECT_EQ(text.find("SIZE", 1), std::string::npos);
}

TEST_F(Export, NothingVisibleLeavesAnEmptyFileAndOnlyTheLastExportStays)
{
    example_model();
    EXPECT_NE(run(), "");
    ed[0].view = 0;
    put_vertex(3, 1, 2);
    ed[3].view = 0;
    EXPECT_EQ(run(), "");
    ed[3].view = 2;
    const std::string second = run();
    EXPECT_EQ(second.rfind("LAYER : 4 ", 0), 0u);
    EXPECT_EQ(second.find("LAYER : 1"), std::string::npos);
    EXPECT_EQ(run(), second);
}

TEST_F(Export, FullLayerOf256Vertices)
{
    for (int j = 0; j < ED_MAXVERT; j++)
        put_vertex(5, j - 128, 3 - j);
    ed[5].colorSel = 0;
    ed[5].drawType = 0;
    const std::string text = run();
    EXPECT_EQ(text.rfind("LAYER : 6 ", 0), 0u);  // layer 1 is empty: no SIZE line
    int vertexLines = 0, colourRows = 0, vertexRows = 0;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        vertexLines += line.rfind("\t\tglColor4f(0.00f, 1.00f, 1.00f, 0.30f);\t\tglVertex2f(", 0) == 0;
        colourRows += line == "\t\t0.00f,1.00f,1.00f,0.30f,";
        vertexRows += line.size() > 2 && line[2] != 'g' && line.find(".f,") != std::string::npos;
    }
    EXPECT_EQ(vertexLines, 256);
    EXPECT_EQ(colourRows, 256);
    EXPECT_EQ(vertexRows, 256);
    EXPECT_NE(text.find("\t\t127.f,-252.f,\n\t\t};\n"), std::string::npos);
    EXPECT_NE(text.find("\tglDrawArrays(GL_POINTS,0,256);\n\n\n"), std::string::npos);
}

TEST_F(Export, EveryDrawTypeNamesItsPrimitive)
{
    const char* names[10] = {"GL_POINTS",    "GL_LINES",          "GL_LINE_LOOP",
                             "GL_LINE_STRIP", "GL_TRIANGLES",      "GL_TRIANGLE_STRIP",
                             "GL_TRIANGLE_FAN", "GL_QUADS",        "GL_QUAD_STRIP",
                             "GL_POLYGON"};
    for (int t = 0; t < 10; t++) {
        tst_reset_records();
        ed[2].drawType = t;
        put_vertex(2, 1, 1);
        put_vertex(2, 2, 1);
        const std::string text = run();
        EXPECT_NE(text.find(std::string("\tglBegin(") + names[t] + ");\n\t\tglColor4f("),
                  std::string::npos) << t;
        EXPECT_NE(text.find(std::string("\tglDrawArrays(") + names[t] + ",0,2);\n\n\n"),
                  std::string::npos) << t;
    }
}

TEST_F(Export, OtherModesDoNothing)
{
    example_model();
    edit_data(1);
    edit_data(-1);
    FILE* f = fopen(file.c_str(), "r");
    EXPECT_EQ(f, nullptr);
    if (f)
        fclose(f);
}

// A failed export prints the two lines and changes neither records nor the old file.
void expect_failure(const std::string& previousFile, const std::string& previous)
{
    static EdLayer edBefore[ED_LAYERS];
    memcpy(edBefore, ed, sizeof ed);
    const CmRec cmBefore = cm;
    testing::internal::CaptureStdout();
    edit_data(0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), std::string("失敗\n") + dataPassM + "\n");
    EXPECT_EQ(memcmp(edBefore, ed, sizeof ed), 0);
    EXPECT_EQ(memcmp(&cmBefore, &cm, sizeof cm), 0);
    if (!previousFile.empty()) {
        EXPECT_EQ(tst_slurp(previousFile), previous);
    }
}

TEST_F(Export, UnopenablePathsAreReported)
{
    example_model();
    for (const char* path : {"/nonexistent_tess_dir/Desktop/model_data.txt",
                             "/etc/passwd/model_data.txt", "/proc/model_data.txt", "/Users/"}) {
        snprintf(dataPassM, sizeof dataPassM, "%s", path);
        expect_failure("", "");
    }
}

TEST_F(Export, FullDiskIsReportedAndKeepsThePreviousFile)
{
    example_model();
    const std::string previous = run();
    for (int j = ed[0].count; j < ED_MAXVERT; j++)
        put_vertex(0, j, -j);
    rlimit old;
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit tiny = old;
    tiny.rlim_cur = 4096;
    void (*oldSig)(int) = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &tiny);
    expect_failure(file, previous);
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldSig);
    EXPECT_EQ(remove((file + ".tmp").c_str()), -1);  // no half-written file left beside it
    // A later export tries again and succeeds.
    EXPECT_NE(run(), previous);
}

struct DataPath : testing::Test {
    std::string savedUser;
    bool hadUser = false;
    void SetUp() override
    {
        if (const char* u = getenv("USER"))
            hadUser = true, savedUser = u;
        strcpy(dataPassM, "/Users/");
    }
    void TearDown() override
    {
        if (hadUser)
            setenv("USER", savedUser.c_str(), 1);
        else
            unsetenv("USER");
        strcpy(dataPassM, "/Users/");
    }
    std::string build()
    {
        testing::internal::CaptureStderr();
        GetDataPath();
        return testing::internal::GetCapturedStderr();
    }
};

TEST_F(DataPath, UserSetUnsetOrEmpty)
{
    setenv("USER", "kana", 1);
    EXPECT_EQ(build(), "");
    EXPECT_STREQ(dataPassM, "/Users/kana/Desktop/model_data.txt");
    strcpy(dataPassM, "/Users/");
    unsetenv("USER");
    EXPECT_EQ(build(), "");
    EXPECT_STREQ(dataPassM, "/Users/");
    setenv("USER", "", 1);
    EXPECT_EQ(build(), "");
    EXPECT_STREQ(dataPassM, "/Users//Desktop/model_data.txt");
}

TEST_F(DataPath, LongestNameFitsAndALongerOneIsRefused)
{
    const std::string longest(481, 'u');
    setenv("USER", longest.c_str(), 1);
    EXPECT_EQ(build(), "");
    EXPECT_EQ(std::string(dataPassM), "/Users/" + longest + "/Desktop/model_data.txt");
    EXPECT_EQ(strlen(dataPassM), 511u);
    for (size_t n : {482, 2000}) {
        strcpy(dataPassM, "/Users/");
        setenv("USER", std::string(n, 'u').c_str(), 1);
        EXPECT_EQ(build(), "USER is too long for the export path\n");
        EXPECT_STREQ(dataPassM, "/Users/");
        // The refused path still reports on every export.
        testing::internal::CaptureStdout();
        edit_data(0);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "失敗\n/Users/\n");
    }
}

}  // namespace
