#pragma once

// How a meter scales and draws its level. Levels are in the units of the
// scale (after the scaler); rates are in those units per second, and a rate of
// 0 or less does not limit.
struct MeterSettings
{
    // Grows rightward from the left edge; else upward from the bottom edge.
    bool horizontal = false;
    double offset = 0.0;
    // The bar is drawn between the reference and the level.
    double referenceLevel = 0.0;
    // The scale's values at the top (right) and bottom (left) edges; the
    // bottom is also the floor of the scaler.
    double top = 0.0;
    double bottom = 0.0;
    double riseRate = 0.0;
    double fallRate = 0.0;
    // The raw value is multiplied by it before the offset is added.
    double scaleFactor = 1.0;

    // A bar that grows rightward and follows every level at once, as the
    // pages' meters do.
    static MeterSettings horizontalBar(double anOffset, double aReferenceLevel, double aTop, double aBottom,
                                       double aScaleFactor)
    {
        MeterSettings settings;
        settings.horizontal = true;
        settings.offset = anOffset;
        settings.referenceLevel = aReferenceLevel;
        settings.top = aTop;
        settings.bottom = aBottom;
        settings.scaleFactor = aScaleFactor;
        return settings;
    }
};
