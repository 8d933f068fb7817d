#!/usr/bin/env python3
"""Python's configparser as the other client of the configuration store, for the tests.

  dump strict|lax FILE...  prints {FILE: {section: {key: value}}} as JSON, [DEFAULT] included and
                           merged into every section as configparser does; {FILE: null} when
                           configparser refuses the file
  write FILE JSON          writes the sections of JSON with configparser's own writer, below a
                           comment of each kind
Values are raw: no interpolation, as the store does none.
"""
import configparser
import json
import sys


def dump(mode, paths):
    out = {}
    for path in paths:
        parser = configparser.ConfigParser(interpolation=None, strict=(mode == "strict"))
        try:
            with open(path, encoding="utf-8") as f:
                parser.read_file(f)
        except (configparser.Error, UnicodeDecodeError):
            out[path] = None
            continue
        sections = {name: dict(parser.items(name)) for name in parser.sections()}
        sections["DEFAULT"] = dict(parser.defaults())
        out[path] = sections
    json.dump(out, sys.stdout, ensure_ascii=False)


def write(path, sections):
    parser = configparser.ConfigParser(interpolation=None)
    parser.read_dict(sections)
    with open(path, "w", encoding="utf-8") as f:
        f.write("# written by configparser\n; the other comment prefix\n")
        parser.write(f)


if __name__ == "__main__":
    if sys.argv[1] == "dump":
        dump(sys.argv[2], sys.argv[3:])
    else:
        write(sys.argv[2], json.loads(sys.argv[3]))
