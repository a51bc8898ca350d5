// Counting-tile hints: the tiles of the problem on screen, taken away one a
// second from the bottom.

#include "drilltimers.h"
#include "pictureimage.h"
#include "tform1.h"

#include <QFrame>

void TForm1::BitBtn3Click(QObject *) { Panel1->show(); }

void TForm1::BitBtn4Click(QObject *) {
  // Before the first run there is no problem: the animation then takes no
  // tile away.
  const ProblemRecord *problem = problemOnScreen();
  startHint(state_->drill, problem ? problem->Right : 0);
}

void TForm1::Timer3Timer(QObject *) {
  const int32_t tile = hintTick(state_->drill);
  if (tile >= 1)
    Image69->copyTo(HintTiles[static_cast<std::size_t>(tile - 1)]);
}
