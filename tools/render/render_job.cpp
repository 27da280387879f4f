// Running the renderer: loading sprites, map or world, drawing, saving a PNG.
#include "render_job.h"

#include <allegro.h>
#include <loadpng.h>
#include <sys/stat.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "data/map_names.h"
#include "data/world_loader.h"
#include "platform/host_path.h"
#include "view/map_drawing.h"

namespace {

bool isHostDirectory(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The editor form of a host path, made absolute first: the game names a
// directory's creature file after the directory's last name, which a
// relative path such as "world" would not have.
std::string editorForm(const std::string& hostPath) {
  char absolute[PATH_MAX];
  const char* path = realpath(hostPath.c_str(), absolute) != nullptr ? absolute : hostPath.c_str();
  char editorPath[1024];
  if (!pathToEditor(path, editorPath, sizeof editorPath)) return std::string();
  return editorPath;
}

// Draws the map file (editor path) and, when asked, its placements.
bool drawMap(BITMAP* picture, const SpriteSet& sprites, const std::string& mapPath, bool objects,
             char* message, size_t messageSize) {
  LocalMap map;
  if (!map.load(mapPath.c_str())) {
    snprintf(message, messageSize, "%s is not a readable MAP file", mapPath.c_str());
    return false;
  }
  drawLocalMap(picture, sprites, map);
  if (!objects) return true;
  char directory[1024], name[1024];
  directoryOf(mapPath.c_str(), directory, sizeof directory);
  mapNameOf(mapPath.c_str(), name, sizeof name);
  auto objectList = std::make_unique<ObjectList>();
  auto creatureList = std::make_unique<CreatureList>();
  auto data = std::make_unique<MapDataFile>();
  objectList->load(directory);
  creatureList->load(directory);
  char dataPath[2100];
  snprintf(dataPath, sizeof dataPath, "%s\\%s.DAT", directory, name);
  data->load(dataPath);
  drawPlacements(picture, sprites, *data, *objectList, *creatureList);
  return true;
}

// Writes the picture as an opaque 24-bit PNG (32-bit pictures would carry
// Allegro's unused top byte as a fully transparent alpha channel).
bool savePicture(BITMAP* picture, const std::string& hostPath, const SpriteSet& sprites) {
  BITMAP* opaque = create_bitmap_ex(24, picture->w, picture->h);
  if (opaque == nullptr) return false;
  blit(picture, opaque, 0, 0, 0, 0, picture->w, picture->h);
  const bool saved = save_png(hostPath.c_str(), opaque, sprites.palette) == 0;
  destroy_bitmap(opaque);
  return saved;
}

}  // namespace

bool parseRenderArguments(int argc, char** argv, RenderJob* job) {
  int positional = 0;
  for (int i = 1; i < argc; ++i) {
    const bool hasValue = i + 1 < argc;
    if (strcmp(argv[i], "--objects") == 0) {
      job->objects = true;
    } else if (strcmp(argv[i], "--palette") == 0 && hasValue) {
      job->palette = argv[++i];
    } else if (strcmp(argv[i], "--sprites") == 0 && hasValue) {
      job->sprites = argv[++i];
    } else if (strncmp(argv[i], "--", 2) == 0 || positional == 2) {
      return false;
    } else {
      (positional == 0 ? job->input : job->output) = argv[i];
      ++positional;
    }
  }
  return positional == 2;
}

bool runRenderJob(const RenderJob& job, char* message, size_t messageSize) {
  const bool world = isHostDirectory(job.input);
  const std::string input = editorForm(job.input);
  char directory[1024];
  if (world) snprintf(directory, sizeof directory, "%s", input.c_str());
  else directoryOf(input.c_str(), directory, sizeof directory);
  const std::string spriteDirectory = job.sprites.empty() ? directory : editorForm(job.sprites);

  SpriteSet sprites;
  // Without its palette every colour of the picture would be wrong: nothing is drawn.
  if (!sprites.loadPalette(editorForm(job.palette).c_str())) {
    snprintf(message, messageSize, "the palette %s %s; name the game's palette with --palette FILE",
             job.palette.c_str(), sprites.paletteProblem());
    return false;
  }
  // Sprites in the picture's own depth; at 15 to 32 bits no screen palette is needed.
  sprites.loadSprites(spriteDirectory.c_str(), get_color_depth(), nullptr, nullptr);
  BITMAP* picture = create_bitmap(kMapCanvasWidth, kMapCanvasHeight);
  if (picture == nullptr) {
    snprintf(message, messageSize, "no memory for the picture");
    return false;
  }
  clear_to_color(picture, makecol(0, 0, 0));
  bool drawn = true;
  if (world) {
    auto buffer = std::make_unique<WorldBuffer>();
    loadWorld((input + "\\").c_str(), *buffer, nullptr);
    drawWorld(picture, sprites, *buffer);
  } else {
    drawn = drawMap(picture, sprites, input, job.objects, message, messageSize);
  }
  const bool saved = drawn && savePicture(picture, job.output, sprites);
  destroy_bitmap(picture);
  if (!drawn) return false;
  if (!saved) {
    snprintf(message, messageSize, "could not write %s", job.output.c_str());
    return false;
  }
  const char* problem = sprites.firstProblemFile();
  snprintf(message, messageSize, "wrote %s%s%s", job.output.c_str(),
           problem != nullptr ? ", but could not read all of " : "", problem != nullptr ? problem : "");
  return true;
}
