.class public Lcom/pelorin/player/SavedPlace;
.super Ljava/lang/Object;
.source "SavedPlace.smali"

# The listener's place (song, position, play mode) in the "player"
# preferences, restored paused at the next start. A song is restored only
# when the catalogue still has it at the same index with the same file and
# title: a rebuilt album whose songs moved starts with none chosen.


.method public static save(Landroid/content/Context;Lcom/pelorin/player/Catalogue;Lcom/pelorin/player/Playlist;II)V
    .registers 8

    const-string v0, "player"
    const/4 v1, 0x0
    invoke-virtual {p0, v0, v1}, Landroid/content/Context;->getSharedPreferences(Ljava/lang/String;I)Landroid/content/SharedPreferences;
    move-result-object v0
    invoke-interface {v0}, Landroid/content/SharedPreferences;->edit()Landroid/content/SharedPreferences$Editor;
    move-result-object v0

    const-string v1, "index"
    invoke-interface {v0, v1, p3}, Landroid/content/SharedPreferences$Editor;->putInt(Ljava/lang/String;I)Landroid/content/SharedPreferences$Editor;
    const-string v1, "song"
    invoke-virtual {p1, p3}, Lcom/pelorin/player/Catalogue;->identity(I)Ljava/lang/String;
    move-result-object v2
    invoke-interface {v0, v1, v2}, Landroid/content/SharedPreferences$Editor;->putString(Ljava/lang/String;Ljava/lang/String;)Landroid/content/SharedPreferences$Editor;
    const-string v1, "position"
    invoke-interface {v0, v1, p4}, Landroid/content/SharedPreferences$Editor;->putInt(Ljava/lang/String;I)Landroid/content/SharedPreferences$Editor;
    const-string v1, "repeat"
    invoke-virtual {p2}, Lcom/pelorin/player/Playlist;->repeatName()Ljava/lang/String;
    move-result-object v2
    invoke-interface {v0, v1, v2}, Landroid/content/SharedPreferences$Editor;->putString(Ljava/lang/String;Ljava/lang/String;)Landroid/content/SharedPreferences$Editor;
    const-string v1, "shuffle"
    invoke-virtual {p2}, Lcom/pelorin/player/Playlist;->isShuffle()Z
    move-result v2
    invoke-interface {v0, v1, v2}, Landroid/content/SharedPreferences$Editor;->putBoolean(Ljava/lang/String;Z)Landroid/content/SharedPreferences$Editor;
    invoke-interface {v0}, Landroid/content/SharedPreferences$Editor;->apply()V

    return-void
.end method


.method public static restore(Landroid/content/Context;Lcom/pelorin/player/Catalogue;Lcom/pelorin/player/Playlist;Lcom/pelorin/player/Transport;)V
    .registers 9

    # v0: the preferences, v1: a key, v2: a value, v3: the index
    const-string v0, "player"
    const/4 v1, 0x0
    invoke-virtual {p0, v0, v1}, Landroid/content/Context;->getSharedPreferences(Ljava/lang/String;I)Landroid/content/SharedPreferences;
    move-result-object v0

    const-string v1, "repeat"
    const-string v2, "all"
    invoke-interface {v0, v1, v2}, Landroid/content/SharedPreferences;->getString(Ljava/lang/String;Ljava/lang/String;)Ljava/lang/String;
    move-result-object v2
    invoke-virtual {p2, v2}, Lcom/pelorin/player/Playlist;->setRepeat(Ljava/lang/String;)V

    const-string v1, "index"
    const/4 v2, -0x1
    invoke-interface {v0, v1, v2}, Landroid/content/SharedPreferences;->getInt(Ljava/lang/String;I)I
    move-result v3
    const-string v1, "shuffle"
    const/4 v2, 0x0
    invoke-interface {v0, v1, v2}, Landroid/content/SharedPreferences;->getBoolean(Ljava/lang/String;Z)Z
    move-result v2
    invoke-virtual {p2, v2, v3}, Lcom/pelorin/player/Playlist;->setShuffle(ZI)V

    if-ltz v3, :none
    invoke-virtual {p1}, Lcom/pelorin/player/Catalogue;->count()I
    move-result v2
    if-ge v3, v2, :none
    const-string v1, "song"
    const-string v2, ""
    invoke-interface {v0, v1, v2}, Landroid/content/SharedPreferences;->getString(Ljava/lang/String;Ljava/lang/String;)Ljava/lang/String;
    move-result-object v2
    invoke-virtual {p1, v3}, Lcom/pelorin/player/Catalogue;->identity(I)Ljava/lang/String;
    move-result-object v4
    invoke-virtual {v4, v2}, Ljava/lang/String;->equals(Ljava/lang/Object;)Z
    move-result v4
    if-eqz v4, :none

    const-string v1, "position"
    const/4 v2, 0x0
    invoke-interface {v0, v1, v2}, Landroid/content/SharedPreferences;->getInt(Ljava/lang/String;I)I
    move-result v2
    invoke-virtual {p3, v3, v2}, Lcom/pelorin/player/Transport;->restore(II)V

    :none
    return-void
.end method
