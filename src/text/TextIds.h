// The operator's texts, by their numbers in the string tables (res/strings.rc). Shared with the
// resource compiler, so plain definitions. %1 to %9 in a text stand for what FormatText puts there.
#pragma once

// Which screen a pattern window covers, in the help overlay.
#define IDS_SCREEN_OF 1000
#define IDS_SCREEN_OF_PRIMARY 1001
#define IDS_SCREEN_PLACE 1002
#define IDS_BITS_PER_PIXEL 1003
#define IDS_DEPTH_UNKNOWN 1004
#define IDS_REFRESH_RATE 1005
#define IDS_REFRESH_UNKNOWN 1006
#define IDS_DEPTH_AND_RATE 1007
#define IDS_BITS_PER_COLOR 1008
#define IDS_BITS_PER_COLOR_UNKNOWN 1009

// The help overlay's list of keys: a key column and what the keys do.
#define IDS_KEY_AGAIN 1010
#define IDS_KEY_AND 1011
#define IDS_KEYS_UP_DOWN 1012
#define IDS_HELP_UP_DOWN 1013
#define IDS_KEYS_LEFT_RIGHT 1014
#define IDS_HELP_LEFT_RIGHT 1015
#define IDS_KEYS_HOME 1016
#define IDS_HELP_HOME 1017
#define IDS_KEYS_RUN 1018
#define IDS_HELP_RUN 1019
#define IDS_KEYS_CLICK 1020
#define IDS_HELP_CLICK 1021
#define IDS_KEYS_HELP 1022
#define IDS_HELP_HELP 1023
#define IDS_KEYS_QUIT 1024
#define IDS_HELP_QUIT 1025
#define IDS_KEYS_SPEED 1026
#define IDS_HELP_SPEED 1027
#define IDS_HELP_FLICKER 1028

// The patterns' names, as the help and the timed run say them.
#define IDS_NAME_LEVEL_RAMP_CHART 1100
#define IDS_NAME_GRAY_RING_CHART 1101
#define IDS_NAME_GRAY_STEP_BANDS 1102
#define IDS_NAME_CENTRE_SQUARE 1103
#define IDS_NAME_GAMMA_CHART 1104
#define IDS_NAME_INVERSION_CHART 1105
#define IDS_NAME_CHECKERBOARD 1106
#define IDS_NAME_INVERTED_CHECKERBOARD 1107
#define IDS_NAME_UNIFORMITY_GRID 1108
#define IDS_NAME_RED_FIELD 1109
#define IDS_NAME_GREEN_FIELD 1110
#define IDS_NAME_BLUE_FIELD 1111
#define IDS_NAME_WHITE_FIELD 1112
#define IDS_NAME_BLACK_FIELD 1113
#define IDS_NAME_GRAY_FIELD 1114
#define IDS_NAME_REMOTE_PATCH 1115
#define IDS_NAME_DEPTH_CHART 1116
#define IDS_NAME_MOVING_BLOCKS 1117
#define IDS_NAME_MOVING_BLOCKS_VERTICAL 1118
#define IDS_NAME_FRAME_STEPS 1119

// What the label says after a step of a pattern's parameters.
#define IDS_LEVEL_LABEL 1200
#define IDS_PATCH_LABEL 1201
#define IDS_UNIFORMITY_LABEL 1202
#define IDS_SPEED_LABEL 1203
// The depth chart's note, and what the first screen adds to it about its own output.
#define IDS_DEPTH_NOTE 1210
#define IDS_OUTPUT_BITS 1211
#define IDS_OUTPUT_UNKNOWN 1212
#define IDS_NO_DEEP_OUTPUT 1213
// A monitor not at its native mode, and what its EDID says of it in the help.
#define IDS_NOT_NATIVE 1220
#define IDS_MONITOR_UNKNOWN 1221
#define IDS_MONITOR_NAME 1222
#define IDS_MONITOR_SERIAL 1223
#define IDS_MONITOR_NATIVE 1224
#define IDS_MONITOR_NATIVE_SIZE 1225
#define IDS_MONITOR_NO_NAME 1226
// What every screen says under a motion test: the test, the rate and how it is known, the step, missed frames.
#define IDS_READOUT 1230
#define IDS_RATE_VBLANK 1231
#define IDS_RATE_TIMER 1232

// Where the connection to calibration software stands, and why a message of it was ignored.
#define IDS_WAITING_FOR 1300
#define IDS_CONNECTED_TO 1301
#define IDS_NO_HOST 1302
#define IDS_CANNOT_LOOK_UP 1303
#define IDS_IGNORED 1304
#define IDS_NOT_CALIBRATION 1310
#define IDS_NOT_XML 1311
#define IDS_UNKNOWN_FORM 1312
#define IDS_NO_ELEMENT 1313
#define IDS_BITS_OUT_OF_RANGE 1314
#define IDS_VALUE_OUT_OF_RANGE 1315
#define IDS_NO_GEOMETRY 1316
#define IDS_GEOMETRY_OUT_OF_RANGE 1317

// The command line's faults and its usage.
#define IDS_NOT_AN_OPTION 1400
#define IDS_GIVEN_TWICE 1401
#define IDS_ONE_REMOTE 1402
#define IDS_UNKNOWN_OPTION 1403
#define IDS_NEEDS_VALUE 1404
#define IDS_BAD_PATTERN 1405
#define IDS_BAD_TARGET 1406
#define IDS_BAD_SCREENS 1407
#define IDS_BAD_PERIOD 1408
#define IDS_LIST_OR 1409
#define IDS_NO_SCREEN 1410
#define IDS_NO_SCREENS 1411
#define IDS_USAGE 1412
#define IDS_BAD_DEPTH 1414
#define IDS_BAD_LANGUAGE 1415
#define IDS_LIST_ALONE 1416

