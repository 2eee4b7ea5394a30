#pragma once

#include "controlview.h"
#include "recordingsurface.h"

// Reads a recording surface's control states without logging the reads.
class RecordingView final : public ControlView {
public:
  explicit RecordingView(const RecordingSurface &surface) : surface(surface) {}

  [[nodiscard]] std::string_view text(Control control) const override { return surface.state(control).text; }
  [[nodiscard]] Colour back(Control control) const override { return surface.state(control).back; }
  [[nodiscard]] bool visible(Control control) const override { return surface.state(control).visible; }
  [[nodiscard]] std::optional<Control> cursor() const override { return surface.windowCursor(); }

private:
  const RecordingSurface &surface;
};
