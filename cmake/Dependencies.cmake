# Every external library is found once here and used through an imported target.
find_package(PkgConfig REQUIRED)

pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
pkg_check_modules(OPENAL REQUIRED IMPORTED_TARGET openal)
pkg_check_modules(VORBISFILE REQUIRED IMPORTED_TARGET vorbisfile)
pkg_check_modules(VORBISENC REQUIRED IMPORTED_TARGET vorbisenc)
pkg_check_modules(VORBIS REQUIRED IMPORTED_TARGET vorbis ogg)
pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)
pkg_check_modules(FREETYPE REQUIRED IMPORTED_TARGET freetype2)
find_package(PNG REQUIRED)
find_package(JPEG REQUIRED)
find_package(ZLIB REQUIRED)
find_package(GTest REQUIRED)
find_package(benchmark REQUIRED)
include(GoogleTest)

# The monospace face the built-in text font is rendered from (Debian: fonts-dejavu-core).
find_file(QUILL_DEFAULT_FONT_TTF DejaVuSansMono.ttf
  PATHS /usr/share/fonts/truetype/dejavu /usr/share/fonts/dejavu /usr/share/fonts
  NO_DEFAULT_PATH REQUIRED)
