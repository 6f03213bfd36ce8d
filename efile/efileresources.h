#pragma once

// Makes the electronic return's templates (":/net/net/...") available.
void ensureEfileTemplates();
