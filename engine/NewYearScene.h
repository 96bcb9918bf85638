#pragma once
#include "engine/FrameSource.h"

// The recurring New Year scene drawn over the fire.
class CNewYearScene {
public:
    explicit CNewYearScene(CFrameSource* engine) : m_pEngine(engine) {}
    void Start() {}
    int Advance() { return 0; }
    void Draw() {}

private:
    CFrameSource* m_pEngine;
};
