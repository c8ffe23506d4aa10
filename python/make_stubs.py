"""Writes the type stubs of the built module quillet from the module itself:
each method's signature and docstring as the bindings give them, each class
and constant with its type. The argument types that help() shows by name
(FloatArray, ParamList, ...) are defined here, as the types they accept.

    python3 make_stubs.py OUTPUT   (with the module on PYTHONPATH)
"""
import inspect
import re
import sys

import quillet

PREAMBLE = '''"""{doc}"""
from typing import Any, Callable, Dict, Optional, Protocol, Sequence, Tuple, Union

class _SupportsArray(Protocol):
    """A numpy array, or anything numpy turns into one."""
    def __array__(self) -> Any:
        """The values as a numpy array."""

class _Writable(Protocol):
    """A target that takes the stream's bytes: a file, io.BytesIO, a socket's file."""
    def write(self, data: bytes, /) -> Any:
        """Takes the next piece of the stream."""

# The kinds of argument that the methods convert themselves; for annotations
# only, the module has no such names.
FloatArray = Union[float, Sequence[Any], _SupportsArray]
IntArray = Union[int, Sequence[Any], _SupportsArray]
StringArray = Union[str, None, Sequence[Optional[str]]]
ParamList = Optional[Dict[str, Any]]
Target = Union[str, None, _Writable]
BasisValue = Union["Basis", FloatArray]
'''

# The attributes that every quillet.Error carries.
ERROR_ATTRIBUTES = ("code: int", "severity: int", "message: str")

# Special methods that the stubs keep; the others are those of every object.
KEPT_SPECIAL = {"__init__", "__call__", "__enter__", "__exit__"}

# Ri has methods named as the module's classes (Basis, Procedural, ...):
# inside it, the classes are named by these aliases.
ALIAS_PREFIX = "_"


class MissingDoc(Exception):
    pass


def module_classes():
    return sorted(name for name, member in vars(quillet).items() if inspect.isclass(member))


def annotation(text, shadowed):
    """A type as the stubs spell it: without the module's prefix, a numpy
    array as Any, a function as a callable, and a class that a member of the
    enclosing class shadows by its alias."""
    text = re.sub(r"numpy\.ndarray\[[^\]]*\]", "Any", text.replace("quillet.", ""))
    text = re.sub(r"\bfunction\b", "Callable[..., Any]", text)
    for name in shadowed:
        text = re.sub(rf"\b{name}\b", ALIAS_PREFIX + name, text)
    return text


def docstring(text, indent):
    lines = text.replace("\\", "\\\\").split("\n")
    if len(lines) == 1:
        return f'{indent}"""{lines[0]}"""'
    body = "\n".join(indent + line if line else "" for line in lines[1:])
    return f'{indent}"""{lines[0]}\n{body}\n{indent}"""'


def split_parameters(text):
    """The comma-separated parameters of a signature, commas in brackets kept."""
    parts, depth, current = [], 0, ""
    for char in text:
        if char == "," and depth == 0:
            parts.append(current.strip())
            current = ""
            continue
        if char in "[(":
            depth += 1
        elif char in "])":
            depth -= 1
        current += char
    if current.strip():
        parts.append(current.strip())
    return parts


def function_stub(function, owner, indent, shadowed):
    """A bound function from its docstring: the signature line
    "name(self: quillet.Ri, a: float = 1) -> None", then the description."""
    signature, _, text = (function.__doc__ or "").partition("\n")
    name = function.__name__
    if not signature.startswith(name + "("):
        raise MissingDoc(f"{owner}.{name}: no signature line")
    text = text.strip("\n")
    if not text:
        raise MissingDoc(f"{owner}.{name}: no docstring")
    arguments, _, result = signature[len(name) + 1:].rpartition(") -> ")
    parameters = []
    for parameter in split_parameters(arguments):
        if parameter.startswith("self"):
            parameter = "self"
        elif "=" in parameter:
            parameter = parameter.split("=")[0].rstrip() + " = ..."
        elif parameter.startswith("*") and ":" not in parameter:
            parameter += ": Any"
        parameters.append(annotation(parameter, shadowed))
    head = f"{indent}def {name}({', '.join(parameters)}) -> {annotation(result, shadowed)}:"
    return f"{head}\n{docstring(text, indent + '    ')}\n"


def property_stub(name, prop, indent, shadowed):
    # A property's getter has the signature "(self: quillet.X) -> T".
    result = (prop.fget.__doc__ or "").split("\n")[0].rpartition(" -> ")[2]
    return f"{indent}@property\n{indent}def {name}(self) -> {annotation(result, shadowed)}: ...\n"


def value_type(value, shadowed):
    if value is None:
        return "None"
    kind = type(value)
    if kind.__module__ not in ("builtins", "quillet"):
        return "Any"
    return annotation(kind.__name__, shadowed)


def is_bound_function(member):
    return type(member).__name__ in ("instancemethod", "builtin_function_or_method")


def class_stub(cls, indent=""):
    if not cls.__doc__:
        raise MissingDoc(f"{cls.__name__}: no docstring")
    inner = indent + "    "
    if issubclass(cls, BaseException):
        lines = [f"{indent}class {cls.__name__}({cls.__bases__[0].__name__}):", docstring(cls.__doc__, inner)]
        return "\n".join(lines + [inner + attribute for attribute in ERROR_ATTRIBUTES]) + "\n"
    members = vars(cls)
    shadowed = [name for name in module_classes() if name in members]
    out = [f"{indent}class {cls.__name__}:\n{docstring(cls.__doc__, inner)}\n"]
    for name, member in sorted(members.items()):
        if name.startswith("_") and (name not in KEPT_SPECIAL or not is_bound_function(member)):
            continue
        if inspect.isclass(member):
            out.append(class_stub(member, inner))
        elif isinstance(member, property):
            out.append(property_stub(name, member, inner, shadowed))
        elif is_bound_function(member):
            out.append(function_stub(member, cls.__name__, inner, shadowed))
        else:
            out.append(f"{inner}{name}: {value_type(member, shadowed)}\n")
    return "".join(out)


def module_stub():
    out = [PREAMBLE.format(doc=quillet.__doc__)]
    for name, member in sorted(vars(quillet).items()):
        if name.startswith("_"):
            continue
        if inspect.isclass(member):
            out.append("\n" + class_stub(member))
        elif callable(member):
            out.append("\n" + function_stub(member, "quillet", "", []))
        else:
            out.append(f"{name}: {value_type(member, [])}\n")
    out.append("\n")
    out += [f"{ALIAS_PREFIX}{name} = {name}\n" for name in module_classes()]
    return "".join(out)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_stubs.py OUTPUT")
    try:
        text = module_stub()
    except MissingDoc as missing:
        sys.exit(f"make_stubs.py: {missing}")
    with open(sys.argv[1], "w") as out:
        out.write(text)


if __name__ == "__main__":
    main()
