#!/usr/bin/env python3
"""Validates screen files against the screen schema with a real JSON Schema validator.

  validate_screens.py SCHEMA FILE...   checks SCHEMA against the draft 2020-12 meta-schema, then
                                       prints one line per FILE: "valid" or "invalid: MESSAGE"
Exits 3 when the jsonschema module is missing (python3-jsonschema), 4 for a schema that is not
valid JSON Schema.
"""
import json
import sys

try:
    from jsonschema import Draft202012Validator
    from jsonschema.exceptions import SchemaError
except ImportError:
    print("the jsonschema module is missing: install python3-jsonschema", file=sys.stderr)
    sys.exit(3)

with open(sys.argv[1], encoding="utf-8") as f:
    schema = json.load(f)
try:
    Draft202012Validator.check_schema(schema)
except SchemaError as e:
    print("not a valid schema: " + e.message, file=sys.stderr)
    sys.exit(4)
validator = Draft202012Validator(schema)
for path in sys.argv[2:]:
    with open(path, encoding="utf-8") as f:
        error = next(iter(validator.iter_errors(json.load(f))), None)
    print("valid" if error is None else "invalid: " + error.message[:200])
