// SPDX-License-Identifier: Apache-2.0
// Fonts: names resolved through fontconfig, faces loaded with FreeType and
// kept for the process, their metrics at size 1, and the walk along a line.

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <system_error>

#include "platform/gl/Text.h"
#include "platform/gl/detail/Fonts.h"
#include "platform/gl/detail/Utf8.h"

// After ft2build.h, which detail/Fonts.h includes.
#include FT_ADVANCES_H

namespace glstandin {

namespace {

constexpr const char* kDefaultFamily = "DejaVu Sans";
constexpr const char* kDefaultFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
// Names remembered; later ones are resolved anew each time (to the same
// face), so that odd names cannot make the table grow without bound.
constexpr std::size_t kMaxNames = 256;
// Faces loaded; a name that needs one more falls back to the default.
constexpr std::size_t kMaxFaces = 64;
// How much of a name a warning quotes.
constexpr std::size_t kMaxQuotedName = 200;

std::atomic<FontWarningHandler> warningHandler{nullptr};

void warn(const std::string& message) {
  if (const FontWarningHandler handler = warningHandler.load()) {
    handler(message.c_str());
    return;
  }
  std::fputs(message.c_str(), stderr);
  std::fputc('\n', stderr);
}

bool hasNul(std::string_view text) { return text.find('\0') != std::string_view::npos; }

class Registry {
 public:
  Registry() {
    if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
  }
  ~Registry() {
    faces_.clear();
    if (config_) FcConfigDestroy(config_);
    if (library_) FT_Done_FreeType(library_);
  }
  Registry(const Registry&) = delete;
  Registry& operator=(const Registry&) = delete;

  FT_Library library() const { return library_; }

  // The face for name; warning is set when the caller should report one.
  const Font* find(std::string_view name, std::string& warning) {
    if (const auto it = names_.find(name); it != names_.end()) return it->second;
    const Font* font = resolve(name, warning);
    if (names_.size() < kMaxNames) names_.emplace(name, font);
    return font;
  }

 private:
  struct Face {
    std::string file;
    long index = 0;
    std::unique_ptr<Font> font;
  };

  const Font* resolve(std::string_view name, std::string& warning) {
    if (name.empty() || name == "defaultFont" || hasNul(name)) return defaultFont();
    std::string file;
    long index = 0;
    std::error_code error;
    const bool path = name.find('/') != std::string_view::npos &&
                      std::filesystem::is_regular_file(std::string(name), error);
    if (path) {
      file = name;
    } else if (!match(std::string(name), file, index)) {
      return defaultFont();
    }
    if (const Font* font = load(file, index)) return font;
    warning = "font \"" + std::string(name.substr(0, kMaxQuotedName)) +
              (name.size() > kMaxQuotedName ? "...\"" : "\"") + ": cannot load " +
              (path ? std::string("it") : file) + "; using " + kDefaultFamily;
    return defaultFont();
  }

  const Font* defaultFont() {
    if (!defaultTried_) {
      defaultTried_ = true;
      std::string file;
      long index = 0;
      if (match(kDefaultFamily, file, index)) defaultFont_ = load(file, index);
      if (!defaultFont_) defaultFont_ = load(kDefaultFile, 0);
    }
    return defaultFont_;
  }

  // The file and face index fontconfig gives for family; false unless one
  // of the matched face's family names is family, ignoring case.
  bool match(const std::string& family, std::string& file, long& index) {
    if (!config_) config_ = FcInitLoadConfigAndFonts();
    FcPattern* pattern = FcPatternCreate();
    if (!config_ || !pattern) {
      if (pattern) FcPatternDestroy(pattern);
      return false;
    }
    const auto* asked = reinterpret_cast<const FcChar8*>(family.c_str());
    FcPatternAddString(pattern, FC_FAMILY, asked);
    FcConfigSubstitute(config_, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(config_, pattern, &result);
    FcPatternDestroy(pattern);
    if (!found) return false;
    bool same = false;
    FcChar8* value = nullptr;
    for (int i = 0; !same && FcPatternGetString(found, FC_FAMILY, i, &value) == FcResultMatch;
         ++i) {
      same = FcStrCmpIgnoreCase(value, asked) == 0;
    }
    int faceIndex = 0;
    same = same && FcPatternGetString(found, FC_FILE, 0, &value) == FcResultMatch;
    if (same) {
      file = reinterpret_cast<const char*>(value);
      index = FcPatternGetInteger(found, FC_INDEX, 0, &faceIndex) == FcResultMatch ? faceIndex : 0;
    }
    FcPatternDestroy(found);
    return same;
  }

  // The face in file, loaded once; nullptr when FreeType cannot load it as a
  // scalable face.
  const Font* load(const std::string& file, long index) {
    for (const Face& face : faces_) {
      if (face.file == file && face.index == index) return face.font.get();
    }
    FT_Face face = nullptr;
    if (!library_ || faces_.size() >= kMaxFaces ||
        FT_New_Face(library_, file.c_str(), index, &face) != 0) {
      return nullptr;
    }
    if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0 || face->num_glyphs <= 0) {
      FT_Done_Face(face);
      return nullptr;
    }
    FT_Select_Charmap(face, FT_ENCODING_UNICODE);  // else the face's own
    std::vector<FT_Fixed> raw(static_cast<std::size_t>(face->num_glyphs));
    std::vector<std::int32_t> advances(raw.size(), 0);
    if (FT_Get_Advances(face, 0, static_cast<FT_UInt>(raw.size()), FT_LOAD_NO_SCALE, raw.data()) ==
        0) {
      std::copy(raw.begin(), raw.end(), advances.begin());
    }
    faces_.push_back({file, index, std::make_unique<Font>(face, std::move(advances))});
    return faces_.back().font.get();
  }

  FT_Library library_ = nullptr;
  FcConfig* config_ = nullptr;
  std::map<std::string, const Font*, std::less<>> names_;
  std::vector<Face> faces_;
  const Font* defaultFont_ = nullptr;
  bool defaultTried_ = false;
};

Registry& registry() {
  static Registry instance;
  return instance;
}

}  // namespace

Font::Font(FT_Face face, std::vector<std::int32_t> advances)
    : face(face),
      unitsPerEm(face->units_per_EM),
      kerning(FT_HAS_KERNING(face)),
      advances(std::move(advances)) {}

Font::~Font() { FT_Done_Face(face); }

namespace detail {

std::mutex& textMutex() {
  static std::mutex mutex;
  return mutex;
}

FT_Library freetypeLibrary() { return registry().library(); }

bool LineWalker::next() {
  const auto advance = [this](FT_UInt glyph) -> std::int64_t {
    return glyph < font_.advances.size() ? font_.advances[glyph] : 0;
  };
  if (done_) return false;
  if (pos_ >= text_.size()) {
    if (started_) pen_ += advance(glyph_);
    done_ = true;
    return false;
  }
  const FT_UInt glyph = FT_Get_Char_Index(font_.face, decodeUtf8(text_, pos_));
  if (started_) {
    std::int64_t step = advance(glyph_);
    FT_Vector kern;
    if (font_.kerning &&
        FT_Get_Kerning(font_.face, glyph_, glyph, FT_KERNING_UNSCALED, &kern) == 0) {
      step += kern.x;
    }
    pen_ += std::max<std::int64_t>(step, 0);
  }
  started_ = true;
  glyph_ = glyph;
  return true;
}

}  // namespace detail

const Font* findFont(std::string_view name) {
  std::string warning;
  const Font* font;
  {
    const std::lock_guard lock(detail::textMutex());
    font = registry().find(name, warning);
  }
  // Outside the lock, so that the handler may use fonts.
  if (!warning.empty()) warn(warning);
  return font;
}

float fontAscent(const Font* font) {
  if (!font) return 0.0f;
  return static_cast<float>(std::max<int>(font->face->ascender, 0)) /
         static_cast<float>(font->unitsPerEm);
}

float fontDescent(const Font* font) {
  if (!font) return 0.0f;
  return static_cast<float>(std::max(-static_cast<int>(font->face->descender), 0)) /
         static_cast<float>(font->unitsPerEm);
}

float textAdvance(const Font* font, std::string_view utf8) {
  if (!font) return 0.0f;
  const std::lock_guard lock(detail::textMutex());
  detail::LineWalker walker(*font, utf8);
  while (walker.next()) {
  }
  return static_cast<float>(static_cast<double>(walker.pen()) / font->unitsPerEm);
}

void setFontWarningHandler(FontWarningHandler handler) { warningHandler.store(handler); }

}  // namespace glstandin
