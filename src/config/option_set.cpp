#include "option_set.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace kestro {

namespace {

using Member = std::variant<int OptionSet::*, bool OptionSet::*, std::string OptionSet::*>;

struct Field {
    std::string_view name;
    Member member;
};

const std::array<Field, 34> kFields{{
    {"optSoftware", &OptionSet::optSoftware},
    {"optOpenGL", &OptionSet::optOpenGL},
    {"chkFX", &OptionSet::chkFX},
    {"cboTexture", &OptionSet::cboTexture},
    {"cboPicmip", &OptionSet::cboPicmip},
    {"cboPlayermip", &OptionSet::cboPlayermip},
    {"cboMaxSize", &OptionSet::cboMaxSize},
    {"chkZtrick", &OptionSet::chkZtrick},
    {"chkDither", &OptionSet::chkDither},
    {"chkCracks", &OptionSet::chkCracks},
    {"chkLightholes", &OptionSet::chkLightholes},
    {"chkBlend", &OptionSet::chkBlend},
    {"chkCull", &OptionSet::chkCull},
    {"cboRate", &OptionSet::cboRate},
    {"txtFPS", &OptionSet::txtFPS},
    {"txtDecals", &OptionSet::txtDecals},
    {"chkHimodels", &OptionSet::chkHimodels},
    {"chkWeap", &OptionSet::chkWeap},
    {"chkDynamic", &OptionSet::chkDynamic},
    {"chkMirrorAlpha", &OptionSet::chkMirrorAlpha},
    {"chkPrecache", &OptionSet::chkPrecache},
    {"chkNetGraph", &OptionSet::chkNetGraph},
    {"cboNetGraph", &OptionSet::cboNetGraph},
    {"cboPos", &OptionSet::cboPos},
    {"chkUpload", &OptionSet::chkUpload},
    {"chkDownload", &OptionSet::chkDownload},
    {"chkDownloadInGame", &OptionSet::chkDownloadInGame},
    {"chkMMX", &OptionSet::chkMMX},
    {"chkHisound", &OptionSet::chkHisound},
    {"chkSAd", &OptionSet::chkSAd},
    {"chkSEax", &OptionSet::chkSEax},
    {"chkSbit", &OptionSet::chkSbit},
    {"chkCDAudio", &OptionSet::chkCDAudio},
    {"chkReverb", &OptionSet::chkReverb},
}};

const Field* findField(std::string_view name) {
    const auto* it = std::ranges::find(kFields, name, &Field::name);
    return it == kFields.end() ? nullptr : it;
}

const Field& field(std::string_view name) {
    if (const Field* f = findField(name)) return *f;
    throw std::invalid_argument("no option control named '" + std::string(name) + "'");
}

}  // namespace

OptionSet startupOptionSet() {
    OptionSet set;  // design values
    // The window's initialisation selects these five items, in this order.
    set.cboPicmip = 2;
    set.cboPlayermip = 2;
    set.cboTexture = 1;
    set.cboRate = 5;
    set.cboMaxSize = 0;
    return set;
}

bool isOptionName(std::string_view controlName) { return findField(controlName) != nullptr; }

OptionValue getOption(const OptionSet& set, std::string_view controlName) {
    return std::visit([&](auto member) -> OptionValue { return set.*member; },
                      field(controlName).member);
}

void setOption(OptionSet& set, std::string_view controlName, const OptionValue& value) {
    std::visit(
        [&](auto member) {
            using T = std::remove_reference_t<decltype(set.*member)>;
            const T* typed = std::get_if<T>(&value);
            if (typed == nullptr) {
                throw std::invalid_argument("wrong kind of value for option control '" +
                                            std::string(controlName) + "'");
            }
            set.*member = *typed;
        },
        field(controlName).member);
}

}  // namespace kestro
