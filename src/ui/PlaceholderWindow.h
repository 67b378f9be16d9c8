#pragma once

#include <QLabel>

namespace numora {

class DevicePaths;
struct AppState;

// Shows the current lottery and how many past draws it holds.
class PlaceholderWindow : public QLabel {
public:
    PlaceholderWindow(AppState& state, const DevicePaths& device);
};

}  // namespace numora
