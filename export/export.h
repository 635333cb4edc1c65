// Export: the OpenGL source text of the model, the file it is written to (the
// desktop path, or the model file named on the command line) and the reader
// that opens a model file again.
#pragma once

#include <cstddef>

#include "app/app_records.h"

void GetDataPath();
void edit_data(int mode);

// The model's state beside its file: the fingerprint of the text last opened
// or written, and why the last export failed ("" once one succeeds).
unsigned long long exp_fingerprint();
extern unsigned long long expSaved;
extern char expFailure[128];

// The model file as the user named it, or null: the export then writes the
// desktop path.
extern const char* expFile;
// Takes FILE as the model file: reads it if it exists, or says on standard
// error why not; false when the editor must not start.
bool exp_open(const char* file);

// The whole text of the model into a new buffer (the caller frees it).
bool exp_format(char** text, size_t* size);
// The text over the file at dataPassM; a failure leaves the file as it was
// and errno saying why.
bool exp_write(const char* text, size_t size);

// The model a file holds: the layers it names (count above 0, in fill view;
// the others empty) and its size from the SIZE line (0 without one).
struct ExpModel {
    EdLayer layer[ED_LAYERS];
    int sizeX, sizeY;
};
extern ExpModel expModel;
// Where and why a text is not a model: its line, counted from 1, and what was
// expected there.
struct ExpFault {
    int line;
    char what[320];
};
bool exp_parse(const char* text, size_t size, ExpFault* fault);
// The model read puts its layers and size in place of the empty model, and
// is what the file holds.
void init_model();
