// Entry points that make texture, environment and shadow maps.
#include "python/Bindings.h"

namespace quillet {
namespace python {

void bindTextureEntries(RiClass &ri) {
    bindListed(ri, "MakeTexture", &RiMakeTextureV, Uncounted());
    bindListed(ri, "MakeLatLongEnvironment", &RiMakeLatLongEnvironmentV, Uncounted());
    bindListed(ri, "MakeCubeFaceEnvironment", &RiMakeCubeFaceEnvironmentV, Uncounted());
    bindListed(ri, "MakeShadow", &RiMakeShadowV, Uncounted());
}

}  // namespace python
}  // namespace quillet
