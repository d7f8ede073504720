#!/usr/bin/env python3
"""Writes starting inputs for fuzz_load_settings and fuzz_set_app_name into
OUT/load_settings and OUT/set_app_name, in the layout each target reads:
a choice byte, then for set_app_name the manifest's length (2 bytes, little
endian), the manifest and strings.xml."""
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent


def settings_seeds():
    ini = (ROOT / 'resources' / 'Pelorin.ini').read_bytes()
    text = ini.decode('utf-8')
    edge = ('[brisling]\r\n  AppID = " My.App " \r\nSize=$1e\r\nColor=\'#ff112233\'\r\n'
            'Position=\r\n[Other]\r\nSize=12\r\n')
    return {
        'sample': b'\x00' + ini,
        'sample_bom': b'\x02' + b'\xef\xbb\xbf' + ini,
        'sample_utf16': b'\x02' + b'\xff\xfe' + text.encode('utf-16-le'),
        'gbk': b'\x05' + '[Brisling]\nAppID=专辑\nSize=0x1E\n'.encode('gbk'),
        'edge': b'\x01' + edge.encode('ascii'),
    }


def manifest_seeds():
    manifest = (ROOT / 'template' / 'AndroidManifest.xml').read_bytes()
    strings = (ROOT / 'template' / 'res' / 'values' / 'strings.xml').read_bytes()
    data = ROOT / 'tests' / 'data' / 'build' / 'app_name'
    old_manifest = (data / 'manifest_in.xml').read_bytes()
    old_strings = (data / 'strings_in.xml').read_bytes()
    utf16 = b'\xff\xfe' + manifest.decode('utf-8').replace('utf-8', 'UTF-16').encode('utf-16-le')
    gbk = ('<?xml version="1.0" encoding="GBK"?>\n<manifest package="a" 名="专辑"><b c="&#x4E2D;"/></manifest>\n'
           .encode('gbk'))
    return {
        'template': (0, manifest, strings),
        'template_appid': (0x10, manifest, strings),
        'fixture': (0x05, old_manifest, old_strings),
        'utf16': (0x08, utf16, b''),
        'gbk': (0x0C, gbk, b'\xef\xbb\xbf<string name="app_title">x</string>\r'),
    }


def main():
    if len(sys.argv) != 2:
        sys.exit('usage: make_seeds.py OUT')
    out = pathlib.Path(sys.argv[1])
    folder = out / 'load_settings'
    folder.mkdir(parents=True, exist_ok=True)
    for name, data in settings_seeds().items():
        (folder / name).write_bytes(data)
    folder = out / 'set_app_name'
    folder.mkdir(parents=True, exist_ok=True)
    for name, (choice, manifest, strings) in manifest_seeds().items():
        (folder / name).write_bytes(bytes([choice]) + len(manifest).to_bytes(2, 'little') + manifest + strings)


if __name__ == '__main__':
    main()
