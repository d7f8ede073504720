本专辑由 Pelorin 生成。
歌曲列表：
