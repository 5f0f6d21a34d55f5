#include "option_set.h"

namespace kestro {

OptionSet startupOptionSet() {
    OptionSet set;  // design values
    // The window's initialisation selects these five items, in this order; selecting an
    // item runs no rule.
    set.cboPicmip = 2;
    set.cboPlayermip = 2;
    set.cboTexture = 1;
    set.cboRate = 5;
    set.cboMaxSize = 0;
    return set;
}

}  // namespace kestro
