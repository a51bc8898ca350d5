#include "rewards.h"

#include "rewardmotifs.h"
#include "sticker.h"

#include <array>

namespace {

struct Reward {
  void (*paint)(QPainter &);
  QColor background;
};

const std::array<Reward, kRewardCount> kRewards{{
    {paintStar, QColor(190, 228, 255)},    {paintSun, QColor(170, 220, 255)},
    {paintFlower, QColor(214, 244, 200)},  {paintBalloons, QColor(205, 236, 255)},
    {paintHeart, QColor(255, 214, 228)},   {paintRainbow, QColor(186, 226, 255)},
    {paintCake, QColor(232, 218, 255)},    {paintRocket, QColor(40, 56, 120)},
    {paintFish, QColor(180, 236, 240)},    {paintCat, QColor(255, 226, 196)},
    {paintTrophy, QColor(214, 206, 255)},  {paintApple, QColor(255, 244, 190)},
    {paintCar, QColor(196, 234, 255)},     {paintButterfly, QColor(214, 246, 204)},
    {paintPresent, QColor(255, 218, 234)}, {paintCrown, QColor(206, 222, 255)},
    {paintMedal, QColor(255, 240, 196)},   {paintIceCream, QColor(200, 238, 255)},
    {paintHouse, QColor(186, 226, 255)},
}};

} // namespace

QImage drawReward(int number, int scale) {
  const Reward &reward = kRewards.at(std::size_t(number - 1));
  return drawSticker(reward.background, scale, reward.paint);
}
