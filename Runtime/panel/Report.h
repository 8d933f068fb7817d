// The report of a run: one self-contained HTML page showing the picture, the screen's calls with
// the drawing-service calls each made, which pixels each of them changed, and the picture as it
// stood after every screen call.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "gx/PixelChanges.h"
#include "gx/RasterBackend.h"
#include "gx/Recorder.h"
#include "panel/Screen.h"

namespace panel {

class Report {
 public:
  // Watches `recorder`'s drawing lines from now on; `raster` is the backend behind it.
  Report(const gx::RasterBackend& raster, gx::Recorder& recorder, const Screen& screen,
         std::string screenName);

  void beforeCall(size_t index);
  void afterCall(size_t index);
  // The whole page; the run's trace lines are read from the recorder, with the upcall lines
  // (each after as many recorded lines as it gives) placed among them.
  std::string page(const std::vector<std::pair<size_t, Json>>& upcalls = {}) const;

 private:
  void afterDrawing(const Json& line);

  const gx::RasterBackend& raster_;
  gx::Recorder& recorder_;
  const Screen& screen_;
  std::string screenName_;
  gx::PixelChanges changes_;
  std::string before_;  // PNG of the picture before the first call
  // Per drawing line (by its index in the trace): its layer and the pixels it changed.
  std::map<size_t, Json> drawn_;
  std::vector<Json> steps_;
  std::optional<gx::PixelBox> stepBox_;  // what the current screen call has changed so far
};

// Base64 of bytes, as data: addresses want it.
std::string base64(std::string_view bytes);
// The changed pixels of a box as run lengths, row by row: unchanged, changed, unchanged, ...
std::vector<uint32_t> runLengths(const std::vector<uint8_t>& mask);
// The page's HTML with its script and style; "/*REPORT-DATA*/" stands where the data goes.
std::string_view reportTemplate();

}  // namespace panel
