// The optional hook that sees every stored picture.
#include "observer.h"

namespace datagen {

namespace {
PictureObserver& observer() {
    static PictureObserver instance;
    return instance;
}
}  // namespace

void set_picture_observer(PictureObserver o) { observer() = std::move(o); }

void observe_picture(const std::string& label, const Image& picture) {
    if (observer()) observer()(label, picture);
}

}  // namespace datagen
