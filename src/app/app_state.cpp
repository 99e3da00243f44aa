#include "app/app_state.h"

namespace reelsnap {

AppState& State() {
    static AppState state;
    return state;
}

}  // namespace reelsnap
