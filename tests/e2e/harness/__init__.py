"""Pieces of the end-to-end test: processes, display, sound, serial peer, expected timeline."""
