#include "pictures.h"

#include <QtGlobal>

// The resource table's initialiser is a global function and must be named from outside any
// namespace.
static void initialiseKestroResources() { Q_INIT_RESOURCE(kestro); }

namespace kestro::pictures {

void load() {
    static const bool loaded = (initialiseKestroResources(), true);
    (void)loaded;
}

}  // namespace kestro::pictures
