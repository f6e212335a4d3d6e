#pragma once

// The state of practice and examination, kept by the main window.
struct DrillState
{
    int RightCount = 0;     // answers judged right since the last Start or Stop
    int WrongCount = 0;     // answers judged wrong, unanswered ones included
    int AnswerTicks = 0;    // seconds counted in the current answer window
    bool RunActive = false; // an examination run is in progress
    int stopRequest = 0;    // -1 after the status-bar Stop, 0 when a long operation starts
};
