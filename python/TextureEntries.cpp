// Entry points that make texture, environment and shadow maps.
#include "python/Bindings.h"

namespace quillet {
namespace python {

namespace {

const Binding kTextureRequests[] = {
    {"MakeTexture", withList<&RiMakeTextureV>},
    {"MakeLatLongEnvironment", withList<&RiMakeLatLongEnvironmentV>},
    {"MakeCubeFaceEnvironment", withList<&RiMakeCubeFaceEnvironmentV>},
    {"MakeShadow", withList<&RiMakeShadowV>},
};

}  // namespace

void bindTextureEntries(RiClass &ri) {
    bindTable(ri, kTextureRequests);
}

}  // namespace python
}  // namespace quillet
