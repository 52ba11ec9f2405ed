#pragma once
#include "sequencer/CStepControls.h"

class IStepRunnerHost;

// Run sends the next row of the step table to the chosen channel, Stop sends 0 V and rewinds;
// the Time row sets the sampling period. The operator paces the steps, no timer does.
class CStepRunner {
public:
  CStepRunner(const CStepControls &controls, IStepRunnerHost &host);

  void OnRunStep();
  void OnStopSteps();
  void OnChannelRadio();
  void OnTimeOk();

private:
  CStepControls m_c;
  IStepRunnerHost &m_host;
};
