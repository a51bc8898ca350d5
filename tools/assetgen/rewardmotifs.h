#pragma once

class QPainter;

// The motifs of the reward pictures, each drawn in a 100 x 100 box.
void paintStar(QPainter &p);
void paintSun(QPainter &p);
void paintFlower(QPainter &p);
void paintRainbow(QPainter &p);
void paintFish(QPainter &p);
void paintCat(QPainter &p);
void paintButterfly(QPainter &p);
void paintApple(QPainter &p);

void paintBalloons(QPainter &p);
void paintHeart(QPainter &p);
void paintCake(QPainter &p);
void paintRocket(QPainter &p);
void paintTrophy(QPainter &p);
void paintCar(QPainter &p);
void paintPresent(QPainter &p);
void paintCrown(QPainter &p);
void paintMedal(QPainter &p);
void paintIceCream(QPainter &p);
void paintHouse(QPainter &p);
