// runOnEachWorldMap: read the world, choose, run main once per square with
// the square in block (0, 0), then land everything or nothing.
#include "script/each_map_run.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "data/progress.h"
#include "data/world_buffer.h"
#include "script/reach_functions.h"
#include "script/script_user.h"

namespace {

struct Turns {
  ScriptMaps* maps;
  WorldBuffer* world;
  ProgressDisplay* progress;
};

void beforeTurn(int turn, void* data) {
  Turns* turns = static_cast<Turns*>(data);
  turns->maps->selectSquare(turn, *turns->world);
  if (turns->progress != nullptr) turns->progress->setPercent(turn / 4);
}

// Tells why the series did not count, naming the map it stopped on.
void tellFailure(ScriptUser& user, ScriptMaps& maps, int turn, ScriptRunReport& report) {
  const ScriptMapRecord* square = maps.square(turn);
  if (square != nullptr && report.text[0] != '\0') {
    const std::string text = "On " + square->name + ": " + report.text;
    snprintf(report.text, sizeof report.text, "%s", text.c_str());
  }
  user.runFailed(report, "Nothing was written.");
}

}  // namespace

WorldGenerationResult runOnEachWorldMap(AngelScript::asIScriptEngine* engine, const char* directory,
                                        const BackupPlace* backups) {
  WorldGenerationResult result{};
  result.run = ScriptRunEnd::NotBuilt;
  WorldBuffer* world = scriptWorld(engine);
  ScriptUser* user = scriptUser(engine);
  ScriptReach* reach = scriptReach(engine);
  if (world == nullptr || user == nullptr || reach == nullptr) return result;
  char script[kPathBufferSize];
  if (!user->chooseScript(script, sizeof script)) return result;
  result.chosen = true;
  ScriptMaps& maps = reach->maps();
  if (!maps.beginEachRun(directory)) {
    char text[kPathBufferSize + 64], shown[kPathBufferSize];
    user->describePath(directory, shown, sizeof shown);
    snprintf(text, sizeof text, "There are no world maps in %s to run the script on.", shown);
    user->showText(text, "~OK");
    maps.end();
    return result;
  }
  memset(world->cells, 0, sizeof world->cells);
  Turns turns{&maps, world, user->progress()};
  ScriptRepeat repeat{kWorldMaps, beforeTurn, &turns, -1};
  if (turns.progress != nullptr) turns.progress->open();
  ScriptRunReport report;
  result.run = runScript(script, engine, &report, &repeat);
  if (turns.progress != nullptr) turns.progress->close();
  if (!scriptRunCounts(result.run)) {
    tellFailure(*user, maps, repeat.endedAt, report);
  } else {
    maps.takeTiles(*world);
    landWorldRun(maps, false, *user, backups, "Run on Each World Map", "", result);
  }
  maps.end();
  return result;
}
