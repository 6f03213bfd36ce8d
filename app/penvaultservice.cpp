#include "penvaultservice.h"

namespace {
PenvaultService* s_service = nullptr;
}

void PenvaultService::install(PenvaultService* service) { s_service = service; }
PenvaultService* PenvaultService::installed() { return s_service; }
