// The lathe sample: one scene piped into the previewer.
#include "app/Lathe.h"

int main() {
    RiBegin("glimpse");
    describeLatheScene();
    RiEnd();
    return 0;
}
