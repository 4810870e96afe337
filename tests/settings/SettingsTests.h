// The test classes of the settings area, each run by main in turn.
#pragma once

int runProfileTextTests(int argc, char **argv);
int runProfileIntegerTests(int argc, char **argv);
int runProfileFileTests(int argc, char **argv);
int runColorValueTests(int argc, char **argv);
int runDisplaySettingsTests(int argc, char **argv);
