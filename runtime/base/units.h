// Units: positions and sizes in an object's ScaleMode, converted to pixels.
#pragma once

// The scale modes; every value other than twips means pixels.
enum ScaleModeCode : int { ScalePixels = 0, ScaleTwips = 1 };

int ToPixelsX(int value, int scaleMode);
int ToPixelsY(int value, int scaleMode);
int FromPixelsX(int pixels, int scaleMode);
int FromPixelsY(int pixels, int scaleMode);
