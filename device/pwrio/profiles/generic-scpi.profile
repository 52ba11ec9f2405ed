# Generic SCPI-1999 power supply: one command template per operation.
# {channel} is the instrument's channel number from "channels", {volts} the set point with three
# decimals ("5.000"), {millivolts} the same as a whole number ("5000").
identify     = *IDN?
select       = INST:NSEL {channel}
set_voltage  = VOLT {volts}
output_on    = OUTP ON
output_off   = OUTP OFF
read_voltage = MEAS:VOLT?
# Asked after every set or switch to confirm it; leave one empty for an instrument without it.
# read_voltage may name the channel itself instead: MEAS:VOLT? CH{channel} or MEAS:VOLT? (@{channel}).
read_setpoint = VOLT?
select_query = INST:NSEL?
error_query  = SYST:ERR?
resolution_mv = 1
channels     = 1 2 3 4
line_end     = LF
idn_contains =
idn_shape    = SCPI
