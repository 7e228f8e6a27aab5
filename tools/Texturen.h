// The textures a model names, looked up in a folder as world browsers do.
#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/GanzesModell.h"

namespace nukcheck {

class Texturordner {
  public:
    // Lists the folder once; names are matched in any case.
    explicit Texturordner(const std::string& pfad);

    // texture-missing and texture-size for the textures and masks named.
    // Safe to call from several threads at once.
    void pruefen(const std::vector<nuk::Texturangabe>& texturen,
                 std::vector<nuk::Modellbefund>& befunde);

  private:
    // The file a name stands for: without extension a texture is NAME.jpg,
    // a mask NAME.zip or NAME.bmp; empty when there is none.
    std::string finden(std::string_view name, bool maske) const;
    // Width and height from the image's header; nothing when unreadable.
    std::optional<std::pair<int, int>> groesse(const std::string& datei);

    std::string pfad_;
    std::map<std::string, std::string> namen_;  // lower case -> as on disk
    std::mutex gemerktSperre_;
    std::map<std::string, std::optional<std::pair<int, int>>> gemerkt_;
};

}  // namespace nukcheck
