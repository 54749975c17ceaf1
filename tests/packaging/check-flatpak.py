#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the Flatpak manifest, which cannot be built here: its shape, that every download is
pinned by a checksum, that it grants the folders where players keep the game, and, where
flatpak-builder is installed, that flatpak-builder reads it without a warning."""
import json
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

source = pathlib.Path(sys.argv[1])
app_id = "io.github.flightdeck.Flightdeck"
path = source / "packaging/flatpak" / f"{app_id}.json"
manifest = json.loads(path.read_text(encoding="utf-8"))
errors = []


def expect(condition, text):
    if not condition:
        errors.append(text)


expect(manifest.get("app-id") == app_id, "app-id is not " + app_id)
expect((source / "packaging" / f"{app_id}.desktop").is_file(), "no desktop entry named for the app-id")
expect(manifest.get("runtime") == "org.kde.Platform" and manifest.get("sdk") == "org.kde.Sdk",
       "not the KDE runtime")
expect(re.fullmatch(r"6\.\d+", str(manifest.get("runtime-version", ""))), "not a Qt 6 runtime")
expect(manifest.get("command") == "flightdeck", "the command is not the window")
modules = {module.get("name"): module for module in manifest.get("modules", [])}
expect(list(modules) == ["libdeflate", "libzip", "flightdeck"],
       "modules are not libdeflate, libzip, flightdeck in that order")
for name in ("libdeflate", "libzip"):
    for archive in modules.get(name, {}).get("sources", []):
        expect(archive.get("type") == "archive" and archive.get("url", "").startswith("https://")
               and re.fullmatch(r"[0-9a-f]{64}", archive.get("sha256", "")),
               f"{name} is not a release archive pinned by its SHA-256")
granted = set(manifest.get("finish-args", []))
for permission in ("--share=ipc", "--socket=wayland", "--socket=fallback-x11",
                   "--filesystem=~/.wine", "--filesystem=~/Games", "--filesystem=~/.steam",
                   "--filesystem=~/.local/share/Steam",
                   "--filesystem=~/.var/app/com.valvesoftware.Steam",
                   "--filesystem=~/.local/share/bottles",
                   "--filesystem=~/.var/app/com.usebottles.bottles/data/bottles",
                   "--filesystem=xdg-download"):
    expect(permission in granted, "not granted: " + permission)
expect(not any(arg in granted for arg in ("--filesystem=home", "--filesystem=host")),
       "grants the whole home or host")

builder = shutil.which("flatpak-builder")
if builder:
    with tempfile.TemporaryDirectory() as scratch:  # where it keeps its state
        shown = subprocess.run([builder, "--show-manifest", str(path.resolve())], cwd=scratch,
                               capture_output=True, text=True)
    expect(shown.returncode == 0 and not shown.stderr.strip(),
           "flatpak-builder does not take it: " + shown.stderr.strip())
    expect(json.loads(shown.stdout or "{}").get("id") == app_id, "flatpak-builder read no app id")

if errors:
    print("\n".join(errors), file=sys.stderr)
    sys.exit(1)
print("the Flatpak manifest is in order" + ("" if builder else " (flatpak-builder not installed)"))
