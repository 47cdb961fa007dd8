#ifndef PONORKA_ASSETS_H
#define PONORKA_ASSETS_H

#include <string>

// Every file the game reads, relative to its working directory, with the size each
// image must have. The build generates them all into build/run.
enum class AssetKind { Image, Sound, Font };

struct AssetFile {
    const char *path;
    AssetKind kind;
    int width;   // images only
    int height;  // images only
};

extern const AssetFile asset_files[];
extern const int asset_file_count;

// Checks one file thoroughly: the format's own sizes against the file's length, then the
// same loader the game uses (load_bitmap, load_sample, FreeType). On failure `problem`
// says what is wrong ("missing", "empty", "truncated ...").
bool check_asset(const AssetFile &asset, std::string &problem);

// Checks every file of asset_files. When one is missing or damaged it names each bad file
// on stderr, says how to generate the assets, and returns false. Loads images in the
// game's 16-bit colour, so call it after install_allegro; it restores the colour depth.
bool check_assets();

#endif
