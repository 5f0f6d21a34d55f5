#!/usr/bin/env bash
# Runs one Windows test program under Wine, never for longer than two minutes.
exec timeout 120 wine "$@"
