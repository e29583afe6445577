// Telling the player that a save failed: a save that only wrote to standard error would look,
// to someone playing, like a save that worked.
#include <cerrno>

#include "platform/i18n.h"
#include "scenario/progress.h"
#include "shell/message.h"
#include "shell/state.h"

namespace game {

namespace {

// A hint at the likely cause, from the system's error number.
const plat::sjis& save_hint(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return TR("ディスクの空きが足りないみたいです");
    case EROFS:
    case EACCES:
    case EPERM:
      return TR("セーブ先のフォルダに書き込めないみたいです");
    default:
      return TR("ディスクの読み書きがうまくいかないみたいです");
  }
}

}  // namespace

bool save_and_tell() {
  if (save_progress()) return true;
  const save_result& r = last_save();
  post_colored(TR("セーブに失敗しました…"), SJ("red"));
  if (r.old_kept) {
    post_message(save_hint(r.error));
    post_and_wait(TR("前のセーブはそのまま残っています"));
  } else {
    post_and_wait(save_hint(r.error));
  }
  return false;
}

}  // namespace game
