#include "customers/closing.h"

#include "customers/review.h"
#include "shell/message.h"

namespace game {

// Not built yet: the visitors; the day ends after the closing line.
void close_shop() {
  post_and_wait(SJ("『あ、時間だ、今日はもう終わりだ・・・』"));
  end_day();
}

}  // namespace game
