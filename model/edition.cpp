#include "edition.h"

namespace {
unsigned char g_edition = 2;
}

unsigned char currentEdition() { return g_edition; }
void setCurrentEdition(unsigned char edition) { g_edition = edition; }
