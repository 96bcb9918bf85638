#pragma once
#include "engine/FrameSource.h"

#include <string>

struct FlamingTextOptions {
    int speed;
    int burnType;
    int trajectory;
    int sequence;
};

// Lines of text written in heat along a ring or a wandering path.
class CFlamingText {
public:
    CFlamingText(CFrameSource* engine, const std::string&, const FlamingTextOptions&) : m_pEngine(engine) {}
    void Start() {}
    int Advance() { return 0; }
    void Draw() {}

private:
    CFrameSource* m_pEngine;
};
