#!/usr/bin/env bash
# Runs a test program under Valgrind's leak checker and fails only on lost
# memory (exit status 3). Valgrind does not keep the floating-point
# exception flags and slows everything down, so test cases that rely on
# those or on timing may fail there; they are judged in the normal run.
# usage: memcheck.sh PROGRAM [ARGS...]
set -u
valgrind --leak-check=full --errors-for-leak-kinds=definite,indirect --error-exitcode=3 \
  --show-leak-kinds=definite,indirect "$@"
status=$?
[ "$status" -ne 3 ]
